// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchRunner.h"

#include <QEventLoop>
#include <vector>

#include "cli/Console.h"
#include "cli/Interrupts.h"
#include "cli/Reporter.h"

namespace cli {

namespace {

constexpr int InterruptPollMs = 100;

}  // namespace

BatchRunner::BatchRunner(const BatchTask& task, Reporter& reporter, QObject* parent)
    : QObject(parent), task(task), reporter(reporter) {}

BatchRunner::~BatchRunner() = default;

std::unique_ptr<provision::UnitRun> BatchRunner::makeRun(int index, const QString& port,
                                                         const std::function<void()>& ended) {
    // Each run gets its own input, so per-unit values reach only their port.
    provision::RunInput input = task;
    if (index < task.portDocuments.size()) input.document = task.portDocuments[index];
    auto unit = std::make_unique<provision::UnitRun>(input, port);
    connect(unit.get(), &provision::UnitRun::progress, this,
            [this, index](const QString& phase, int done, int count) {
                reporter.progress(index, phase, done, count);
            });
    connect(unit.get(), &provision::UnitRun::note, this,
            [this](const QString& text) { reporter.note(text); });
    connect(unit.get(), &provision::UnitRun::finished, this, ended);
    return unit;
}

// Ctrl-C or SIGTERM: every unit stops after the exchange in flight; a second one ends them at
// once. Either way each run is journaled with what it sent.
void BatchRunner::followInterrupts(QTimer& poll,
                                   const std::vector<std::unique_ptr<provision::UnitRun>>& runs) {
    countInterrupts();
    connect(&poll, &QTimer::timeout, this, [this, &runs] {
        const int count = interruptions();
        if (count == 0 || count == heard) return;
        heard = count;
        if (count == 1)
            reporter.note(
                Text::tr("interrupted: each unit stops after the exchange in flight "
                         "(interrupt again to end at once)"));
        for (const auto& unit : runs) {
            if (count == 1)
                unit->interrupt();
            else
                unit->endNow();
        }
    });
    poll.start(InterruptPollMs);
}

QList<PortResult> BatchRunner::run(const QStringList& ports) {
    QEventLoop loop;
    auto running = qsizetype(ports.size());
    const auto ended = [&] {
        if (--running == 0) loop.quit();
    };
    std::vector<std::unique_ptr<provision::UnitRun>> runs;
    runs.reserve(size_t(ports.size()));
    for (int i = 0; i < ports.size(); ++i)
        runs.push_back(makeRun(i, ports[i], ended));
    reporter.setPorts(ports);
    QTimer poll;
    followInterrupts(poll, runs);
    for (auto& unit : runs)
        unit->start();
    if (running > 0) loop.exec();
    reporter.finishLive();

    QList<PortResult> results;
    for (const auto& unit : runs)
        results << unit->result();
    return results;
}

}  // namespace cli
