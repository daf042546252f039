#include "BatchRunner.h"

#include <QEventLoop>
#include <QFileInfo>
#include <vector>

#include "ConfigFile.h"
#include "ConfigJson.h"
#include "Reporter.h"
#include "UnitSession.h"

namespace cli {

namespace {

constexpr int ClassicPhones = 16;

bool saveJson(const QString& path, const ConfigurationSet& set, QString* error) {
    return ConfigFile::saveBytes(path, ConfigJson::serialize(set), error);
}

}  // namespace

// One port's walk through its steps; every step is one procedure of its own session.
class BatchRunner::Job {
public:
    enum class Step { PhoneRead, Write, Read, VerifyRead };

    Job(const BatchTask& task, Reporter& reporter, int index, const QString& port)
        : task(task), reporter(reporter), index(index), session(new UnitSession) {
        result.port = port;
    }

    // `ended` is called once, possibly from inside start().
    void start(std::function<void()> ended) {
        onEnded = std::move(ended);
        if (!session->open(result.port))
            return finish(PortFailed,
                          QStringLiteral("cannot open: %1").arg(session->errorString()));
        session->setInterval(task.intervalMs);
        session->setTrafficLog(task.log);
        QObject::connect(session.get(), &UnitSession::lost, session.get(),
                         [this](const QString& reason) { lostReason = reason; });
        QObject::connect(session.get(), &UnitSession::progress, session.get(), [this] {
            reporter.progress(index, stageName(), session->exchangesDone(),
                              session->exchangeCount());
        });
        QObject::connect(session.get(), &UnitSession::finished, session.get(),
                         [this](UnitSession::Outcome outcome) { onFinished(outcome); });

        switch (task.mode) {
            case BatchTask::Mode::Read:
            case BatchTask::Mode::Verify:
                run(Step::Read);
                break;
            case BatchTask::Mode::Write:
                sent = task.document.set;
                if (task.document.holdsAllPhones()) {
                    run(Step::Write);
                } else {
                    // Writing all 32 slots from a file with 16 would clear the others.
                    reporter.note(QStringLiteral("%1: phone numbers 17-32 are not in %2; "
                                                 "keeping the unit's")
                                      .arg(result.port, task.documentName));
                    run(Step::PhoneRead);
                }
                break;
        }
    }

    const PortResult& outcome() const { return result; }

private:
    QString stageName() const {
        switch (step) {
            case Step::PhoneRead:
                return QStringLiteral("reading phones 17-32");
            case Step::Write:
                return QStringLiteral("writing");
            case Step::Read:
                return task.mode == BatchTask::Mode::Verify ? QStringLiteral("verifying")
                                                            : QStringLiteral("reading");
            case Step::VerifyRead:
                break;
        }
        return QStringLiteral("reading back");
    }

    void run(Step next) {
        step = next;
        reporter.progress(index, stageName(), 0, 0);
        switch (next) {
            case Step::PhoneRead:
                session->startPhoneRead(ClassicPhones, ConfigurationSet::PhoneCount - ClassicPhones,
                                        sent);
                break;
            case Step::Write:
                session->startWrite(sent);
                break;
            case Step::Read:
            case Step::VerifyRead:
                session->startRead();
                break;
        }
    }

    void onFinished(UnitSession::Outcome outcome) {
        if (outcome != UnitSession::Outcome::Completed) {
            QString why;
            if (outcome == UnitSession::Outcome::ProbeFailed)
                why = QStringLiteral("no unit answered");
            else if (outcome == UnitSession::Outcome::LinkLost)
                why = lostReason.isEmpty()
                          ? QStringLiteral("the line was lost")
                          : QStringLiteral("the line was lost (%1)").arg(lostReason);
            else
                why = QStringLiteral("stopped");
            if (step == Step::Write)
                why += QStringLiteral(" during the write; the unit may hold part of it");
            return finish(NoUnit, why);
        }
        // A slave ID or flags reply that could not be read would be reported, saved or compared
        // as a value the unit never had.
        if ((step == Step::Read || step == Step::VerifyRead) && session->rejectedReplies() > 0)
            return finish(NoUnit, QStringLiteral("%1 of the unit's replies could not be read")
                                      .arg(session->rejectedReplies()));
        switch (step) {
            case Step::PhoneRead:
                sent = session->configuration();
                return run(Step::Write);
            case Step::Write:
                if (task.verifyAfterWrite) return run(Step::VerifyRead);
                return finish(Done, QStringLiteral("written"));
            case Step::VerifyRead:
                result.differences = differences(sent, session->configuration());
                if (result.differences.isEmpty())
                    return finish(Done, QStringLiteral("written and verified"));
                return finish(Differences, QStringLiteral("written, but %1 differ on reading back")
                                               .arg(result.differences.size()));
            case Step::Read:
                break;
        }
        if (task.mode == BatchTask::Mode::Verify) {
            result.differences =
                differences(task.document.set, session->configuration(), task.document.phoneCount);
            if (result.differences.isEmpty()) return finish(Done, QStringLiteral("equal"));
            return finish(Differences,
                          QStringLiteral("%1 differences").arg(result.differences.size()));
        }
        const QString path = outputPath(task.outputPattern, result.port);
        QString error;
        const bool saved = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)
                               ? saveJson(path, session->configuration(), &error)
                               : ConfigFile::save(path, session->configuration(), &error);
        if (!saved)
            return finish(FileFailed, QStringLiteral("cannot save %1: %2").arg(path, error));
        finish(Done, QStringLiteral("read, saved to %1").arg(path));
    }

    void finish(ExitCode code, const QString& summary) {
        result.code = code;
        result.summary = summary;
        session->close();
        reporter.progress(index, code == Done ? QStringLiteral("done") : QStringLiteral("failed"),
                          session->exchangesDone(), session->exchangeCount());
        if (onEnded) onEnded();
    }

    const BatchTask& task;
    Reporter& reporter;
    int index;
    std::unique_ptr<UnitSession> session;
    Step step = Step::Read;
    ConfigurationSet sent;  // what a write sends: the file, with 17-32 from the unit if need be
    QString lostReason;
    PortResult result;
    std::function<void()> onEnded;
};

BatchRunner::BatchRunner(const BatchTask& task, Reporter& reporter, QObject* parent)
    : QObject(parent), task(task), reporter(reporter) {}

BatchRunner::~BatchRunner() = default;

QList<PortResult> BatchRunner::run(const QStringList& ports) {
    std::vector<std::unique_ptr<Job>> jobs;
    jobs.reserve(size_t(ports.size()));
    for (int i = 0; i < ports.size(); ++i)
        jobs.push_back(std::make_unique<Job>(task, reporter, i, ports[i]));
    reporter.setPorts(ports);

    QEventLoop loop;
    auto running = qsizetype(jobs.size());
    for (auto& job : jobs)
        job->start([&] {
            if (--running == 0) loop.quit();
        });
    if (running > 0) loop.exec();
    reporter.finishLive();

    QList<PortResult> results;
    for (const auto& job : jobs)
        results << job->outcome();
    return results;
}

QString BatchRunner::outputPath(const QString& pattern, const QString& port) {
    QString path = pattern;
    return path.replace(QStringLiteral("{port}"), QFileInfo(port).fileName());
}

}  // namespace cli
