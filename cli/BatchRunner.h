// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "cli/ExitCode.h"
#include "provision/UnitRun.h"

namespace cli {

class Reporter;

// What to do with every unit of a batch.
struct BatchTask : provision::RunInput {
    // Write with per-unit values: each port's own document, in the order of the ports.
    QList<ConfigDocument> portDocuments;
};

using PortResult = provision::RunResult;

// Runs the task on several ports at once, one UnitRun each (its own link and timer) on the
// one event loop, so a unit that hangs up or stays silent ends only its own run.
class BatchRunner : public QObject {
    Q_OBJECT
public:
    BatchRunner(const BatchTask& task, Reporter& reporter, QObject* parent = nullptr);
    ~BatchRunner() override;

    // Returns when every port has ended; results are in the order of `ports`.
    QList<PortResult> run(const QStringList& ports);

private:
    // The run of port `index`, reporting to its own line; `ended` follows its finished().
    std::unique_ptr<provision::UnitRun> makeRun(int index, const QString& port,
                                                const std::function<void()>& ended);

    void followInterrupts(QTimer& poll,
                          const std::vector<std::unique_ptr<provision::UnitRun>>& runs);

    BatchTask task;
    Reporter& reporter;
    int heard = 0;  // interruptions acted on
};

}  // namespace cli
