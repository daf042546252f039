// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchRunner.h"

#include <QEventLoop>
#include <vector>

#include "Reporter.h"

namespace cli {

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
