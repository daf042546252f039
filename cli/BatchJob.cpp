#include "BatchJob.h"

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "Console.h"
#include "Reporter.h"
#include "TrafficLog.h"

namespace cli {

namespace {

constexpr int ClassicPhones = 16;

bool saveJson(const QString& path, const ConfigurationSet& set, QString* error) {
    return ConfigFile::saveBytes(path, ConfigJson::serialize(set), error);
}

}  // namespace

BatchJob::BatchJob(const BatchTask& task, Reporter& reporter, int index, const QString& port)
    : task(task), reporter(reporter), index(index), session(new UnitSession) {
    result.port = port;
}

BatchJob::~BatchJob() = default;

void BatchJob::start(std::function<void()> ended) {
    onEnded = std::move(ended);
    clock.start();
    if (!session->open(result.port))
        return finish(PortFailed, Text::tr("cannot open: %1").arg(session->errorString()));
    session->setInterval(task.intervalMs);
    session->setTrafficLog(task.log);
    connectSession();

    switch (task.mode) {
        case BatchTask::Mode::Read:
        case BatchTask::Mode::Verify:
            return run(Step::Read);
        case BatchTask::Mode::Write:
            sent = task.document.set;
            if (task.document.holdsAllPhones()) return run(Step::Write);
            // Writing all 32 slots from a file with 16 would clear the others.
            reporter.note(Text::tr("%1: phone numbers 17-32 are not in %2; keeping the unit's")
                              .arg(result.port, task.documentName));
            return run(Step::PhoneRead);
    }
}

void BatchJob::connectSession() {
    UnitSession* s = session.get();
    QObject::connect(s, &UnitSession::probeAccepted, s,
                     [this](const QString& model) { result.model = model; });
    QObject::connect(s, &UnitSession::lost, s,
                     [this](const QString& reason) { lostReason = reason; });
    QObject::connect(s, &UnitSession::progress, s, [this] {
        reporter.progress(index, stageName(), session->exchangesDone(), session->exchangeCount());
    });
    QObject::connect(s, &UnitSession::finished, s,
                     [this](UnitSession::Outcome outcome) { onFinished(outcome); });
}

QString BatchJob::stageName() const {
    switch (step) {
        case Step::PhoneRead:
            return Text::tr("reading phones 17-32");
        case Step::Write:
            return Text::tr("writing");
        case Step::Read:
            return task.mode == BatchTask::Mode::Verify ? Text::tr("verifying")
                                                        : Text::tr("reading");
        case Step::VerifyRead:
            break;
    }
    return Text::tr("reading back");
}

void BatchJob::run(Step next) {
    step = next;
    reporter.progress(index, stageName(), 0, 0);
    switch (next) {
        case Step::PhoneRead:
            session->startPhoneRead(ClassicPhones, ConfigurationSet::PhoneCount - ClassicPhones,
                                    sent);
            break;
        case Step::Write:
            result.configuration = sent;
            session->startWrite(sent);
            break;
        case Step::Read:
        case Step::VerifyRead:
            session->startRead();
            break;
    }
}

QString BatchJob::failureReason(UnitSession::Outcome outcome) const {
    QString why;
    if (outcome == UnitSession::Outcome::ProbeFailed)
        why = Text::tr("no unit answered");
    else if (outcome == UnitSession::Outcome::LinkLost)
        why = lostReason.isEmpty() ? Text::tr("the line was lost")
                                   : Text::tr("the line was lost (%1)").arg(lostReason);
    else if (outcome == UnitSession::Outcome::LogFailed)
        why = Text::tr("the log could not be written (%1); nothing more was sent")
                  .arg(task.log ? task.log->errorString() : QString());
    else
        why = Text::tr("stopped");
    if (step == Step::Write) why += Text::tr(" during the write; the unit may hold part of it");
    return why;
}

void BatchJob::onFinished(UnitSession::Outcome outcome) {
    if (outcome == UnitSession::Outcome::LogFailed)
        return finish(FileFailed, failureReason(outcome));
    if (outcome != UnitSession::Outcome::Completed) return finish(NoUnit, failureReason(outcome));
    // A late reply shifts every later value by one; what such a read brought in is neither
    // saved, nor compared, nor written back.
    if (step != Step::Write && session->slippedReplies() > 0)
        return finish(NoUnit, session->firstSlip());
    // A slave ID or flags reply that could not be read would be reported, saved or compared
    // as a value the unit never had.
    if ((step == Step::Read || step == Step::VerifyRead) && session->rejectedReplies() > 0)
        return finish(
            NoUnit,
            Text::tr("%1 of the unit's replies could not be read").arg(session->rejectedReplies()));
    switch (step) {
        case Step::PhoneRead:
            sent = session->configuration();
            return run(Step::Write);
        case Step::Write:
            if (task.verifyAfterWrite) return run(Step::VerifyRead);
            return finish(Done, Text::tr("written"));
        case Step::VerifyRead:
            result.differences = differences(sent, session->configuration());
            if (result.differences.isEmpty()) return finish(Done, Text::tr("written and verified"));
            return finish(
                Differences,
                Text::tr("written, but %1 differ on reading back").arg(result.differences.size()));
        case Step::Read:
            break;
    }
    if (task.mode == BatchTask::Mode::Verify) return finishVerify();
    finishRead();
}

void BatchJob::finishVerify() {
    result.configuration = session->configuration();
    result.differences =
        differences(task.document.set, session->configuration(), task.document.phoneCount);
    if (result.differences.isEmpty()) return finish(Done, Text::tr("equal"));
    finish(Differences, Text::tr("%1 differences").arg(result.differences.size()));
}

void BatchJob::finishRead() {
    result.configuration = session->configuration();
    const QString path = BatchRunner::outputPath(task.outputPattern, result.port);
    QString error;
    const bool saved = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)
                           ? saveJson(path, session->configuration(), &error)
                           : ConfigFile::save(path, session->configuration(), &error);
    if (!saved) return finish(FileFailed, Text::tr("cannot save %1: %2").arg(path, error));
    finish(Done, Text::tr("read, saved to %1").arg(path));
}

void BatchJob::finish(ExitCode code, const QString& summary) {
    result.code = code;
    result.summary = summary;
    result.durationMs = clock.elapsed();
    session->close();
    reporter.progress(index, code == Done ? Text::tr("done") : Text::tr("failed"),
                      session->exchangesDone(), session->exchangeCount());
    if (onEnded) onEnded();
}

}  // namespace cli
