#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>

#include "BatchRunner.h"
#include "ConfigurationSet.h"
#include "UnitSession.h"

namespace cli {

class Reporter;

// One port's walk through its steps; every step is one procedure of its own session.
class BatchJob {
public:
    enum class Step { PhoneRead, Write, Read, VerifyRead };

    BatchJob(const BatchTask& task, Reporter& reporter, int index, const QString& port);
    ~BatchJob();

    // `ended` is called once, possibly from inside start().
    void start(std::function<void()> ended);
    const PortResult& outcome() const { return result; }

private:
    void connectSession();
    QString stageName() const;
    void run(Step next);
    void onFinished(UnitSession::Outcome outcome);
    QString failureReason(UnitSession::Outcome outcome) const;
    void finishVerify();
    void finishRead();
    void finish(ExitCode code, const QString& summary);

    const BatchTask& task;
    Reporter& reporter;
    int index;
    std::unique_ptr<UnitSession> session;
    Step step = Step::Read;
    ConfigurationSet sent;  // what a write sends: the file, with 17-32 from the unit if need be
    QString lostReason;
    PortResult result;
    std::function<void()> onEnded;
    QElapsedTimer clock;
};

}  // namespace cli
