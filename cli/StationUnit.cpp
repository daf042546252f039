#include "StationUnit.h"

#include <QDateTime>
#include <QDir>

#include "Console.h"
#include "Journal.h"
#include "RunRecord.h"

namespace cli {

namespace {

provision::UnitOutcome outcomeOf(const PortResult& result) {
    using Kind = provision::UnitOutcome::Kind;
    const Kind kind = result.code == Done          ? Kind::Done
                      : result.code == Differences ? Kind::Differences
                                                   : Kind::Failed;
    return {kind, result.model, result.summary};
}

void record(const provision::RunInput& input, const PortResult& result) {
    if (input.journal) input.journal->append(provision::runRecord(input, result));
}

}  // namespace

StationUnit::StationUnit(const StationPlan& plan, const QString& port, Progress progress)
    : plan(plan), port(port), progress(std::move(progress)) {}

StationUnit::~StationUnit() {
    if (hasEnded || (!backupRun && !writeRun)) return;
    PortResult stopped;
    stopped.port = port;
    stopped.model = model;
    stopped.code = NoUnit;
    stopped.summary = Text::tr("stopped by a second interruption");
    record(writeRun ? writeInput : backupInput, stopped);
}

void StationUnit::start(std::function<void(provision::UnitOutcome)> ended) {
    onEnded = std::move(ended);
    QString why;
    const std::optional<ConfigDocument> document = plan.documentFor(port, &why);
    if (!document) return refuse(why);
    writeInput = plan.task;
    writeInput.document = *document;
    if (plan.backupDir.isEmpty()) return startWrite();
    startBackup();
}

std::unique_ptr<provision::UnitRun> StationUnit::makeRun(const provision::RunInput& input) {
    auto run = std::make_unique<provision::UnitRun>(input, port);
    QObject::connect(
        run.get(), &provision::UnitRun::progress, run.get(),
        [this](const QString& phase, int done, int count) { progress(phase, done, count); });
    return run;
}

void StationUnit::startBackup() {
    backupInput = plan.task;
    backupInput.mode = provision::RunInput::Mode::Read;
    backupInput.verifyAfterWrite = false;
    // The time in the name, so a unit plugged in twice keeps both copies.
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss.zzz"));
    backupInput.outputPattern =
        QDir(plan.backupDir).filePath(QStringLiteral("{port}-%1.cfg").arg(stamp));
    backupRun = makeRun(backupInput);
    QObject::connect(backupRun.get(), &provision::UnitRun::finished, backupRun.get(), [this] {
        const PortResult& result = backupRun->result();
        model = result.model;
        // Without a copy there is nothing to go back to; the unit is left as it was.
        if (result.code != Done) return end(result);
        startWrite();
    });
    backupRun->start();
}

void StationUnit::startWrite() {
    writeRun = makeRun(writeInput);
    QObject::connect(writeRun.get(), &provision::UnitRun::finished, writeRun.get(),
                     [this] { end(writeRun->result()); });
    writeRun->start();
}

// No run at all (no sheet row for the port): journaled as a failed write all the same.
void StationUnit::refuse(const QString& why) {
    PortResult refused;
    refused.port = port;
    refused.code = FileFailed;
    refused.summary = why;
    record(plan.task, refused);
    end(refused);
}

void StationUnit::end(const PortResult& result) {
    hasEnded = true;
    provision::UnitOutcome outcome = outcomeOf(result);
    if (outcome.model.isEmpty()) outcome.model = model;
    if (onEnded) onEnded(outcome);
}

}  // namespace cli
