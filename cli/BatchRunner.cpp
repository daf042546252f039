// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchRunner.h"

#include <QEventLoop>
#include <vector>

#include "Reporter.h"

namespace cli {

BatchRunner::BatchRunner(const BatchTask& task, Reporter& reporter, QObject* parent)
    : QObject(parent), task(task), reporter(reporter) {}

BatchRunner::~BatchRunner() = default;

QList<PortResult> BatchRunner::run(const QStringList& ports) {
    std::vector<std::unique_ptr<provision::UnitRun>> runs;
    runs.reserve(size_t(ports.size()));
    QEventLoop loop;
    auto running = qsizetype(ports.size());
    for (int i = 0; i < ports.size(); ++i) {
        // Each run gets its own input, so per-unit values reach only their port.
        provision::RunInput input = task;
        if (i < task.portDocuments.size()) input.document = task.portDocuments[i];
        auto* unit = runs.emplace_back(new provision::UnitRun(input, ports[i])).get();
        connect(unit, &provision::UnitRun::progress, this,
                [this, i](const QString& phase, int done, int count) {
                    reporter.progress(i, phase, done, count);
                });
        connect(unit, &provision::UnitRun::note, this,
                [this](const QString& text) { reporter.note(text); });
        connect(unit, &provision::UnitRun::finished, this, [&] {
            if (--running == 0) loop.quit();
        });
    }
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
