#include "BatchJournal.h"

#include <QFileInfo>

#include "Console.h"
#include "ExitCode.h"
#include "PortIdentity.h"

namespace cli {

namespace {

using journal::Record;
using journal::Target;

void warn(const QString& text) {
    writeTo(stderr, Text::tr("quellix-cli: journal: %1\n").arg(printable(text)));
}

journal::Action actionOf(BatchTask::Mode mode) {
    switch (mode) {
        case BatchTask::Mode::Read:
            return journal::Action::Read;
        case BatchTask::Mode::Write:
            return journal::Action::Write;
        case BatchTask::Mode::Verify:
            break;
    }
    return journal::Action::Verify;
}

journal::Outcome outcomeOf(ExitCode code) {
    if (code == Done) return journal::Outcome::Done;
    return code == Differences ? journal::Outcome::Differences : journal::Outcome::Failed;
}

Record recordOf(const BatchTask& task, const PortResult& result, const QString& file) {
    Record record =
        Record::begin(actionOf(task.mode), result.port, QCoreApplication::applicationVersion());
    record.time = record.time.addMSecs(-result.durationMs);  // when it started
    record.identity = journal::identifyPort(result.port);
    record.model = result.model;
    record.outcome = outcomeOf(result.code);
    if (record.outcome == journal::Outcome::Failed) record.reason = result.summary;
    if (task.mode == BatchTask::Mode::Verify || task.verifyAfterWrite)
        record.verified = result.code == Done;
    record.differences = int(result.differences.size());
    record.durationMs = result.durationMs;
    const QString used = task.mode == BatchTask::Mode::Read
                             ? BatchRunner::outputPath(task.outputPattern, result.port)
                             : file;
    record.file = used == QStringLiteral("-") ? used : QFileInfo(used).absoluteFilePath();
    if (!result.configuration) return record;
    // A verify only compares: its fingerprint says what the unit held.
    if (task.mode == BatchTask::Mode::Verify)
        record.sha256 = journal::fingerprint(*result.configuration, ConfigurationSet::PhoneCount);
    else
        record.setConfiguration(*result.configuration, ConfigurationSet::PhoneCount);
    return record;
}

}  // namespace

std::unique_ptr<journal::Journal> openJournal(const Invocation& line) {
    QString error;
    const Target target = Target::choose(line.noJournal, line.journal, &error);
    if (!error.isEmpty()) {
        warn(Text::tr("%1; this run is not recorded").arg(error));
        return nullptr;
    }
    if (target.kind == Target::Kind::Off) return nullptr;
    auto journal = std::make_unique<journal::Journal>(target);
    QObject::connect(journal.get(), &journal::Journal::warning, journal.get(), &warn);
    journal->open();
    return journal;
}

void recordBatch(journal::Journal* journal, const BatchTask& task, const QList<PortResult>& results,
                 const QString& file) {
    if (!journal) return;
    for (const PortResult& result : results)
        journal->append(recordOf(task, result, file));
}

}  // namespace cli
