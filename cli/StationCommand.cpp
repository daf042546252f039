// SPDX-License-Identifier: GPL-3.0-or-later
#include "StationCommand.h"

#include <QEventLoop>
#include <QTimer>
#include <map>
#include <vector>

#include "BatchJournal.h"
#include "Console.h"
#include "DeviceWatcher.h"
#include "Interrupts.h"
#include "Reporter.h"
#include "Station.h"
#include "StationView.h"
#include "TrafficLog.h"

namespace cli {

namespace {

constexpr int InterruptPollMs = 100;

// The runs of the station, one per port; a finished one is kept until the event loop is back,
// since it ends from inside itself and the next run on its port may start right there.
class UnitPool {
public:
    explicit UnitPool(const StationPlan& plan) : plan(plan) {}

    void start(const QString& port, StationView& view,
               std::function<void(provision::UnitOutcome)> ended) {
        if (const auto it = units.find(port); it != units.end()) {
            retired.push_back(std::move(it->second));
            units.erase(it);
            QTimer::singleShot(0, &janitor, [this] { retired.clear(); });
        }
        auto unit = std::make_unique<StationUnit>(
            plan, port, [&view, port](const QString& stage, int done, int count) {
                view.progress(port, stage, done, count);
            });
        StationUnit* running = unit.get();
        units[port] = std::move(unit);
        running->start(std::move(ended));
    }

private:
    const StationPlan& plan;
    QObject janitor;
    std::map<QString, std::unique_ptr<StationUnit>> units;
    std::vector<std::unique_ptr<StationUnit>> retired;
};

int exitStatus(const provision::Station& station) {
    if (station.failed() > 0) return NoUnit;
    return station.differing() > 0 ? Differences : Done;
}

void followInterrupts(QTimer& poll, provision::Station& station, StationView& view) {
    QObject::connect(&poll, &QTimer::timeout, &station, [&station, &view] {
        const int count = interruptions();
        if (count >= 2) return station.abort();
        if (count == 1 && !station.stopping()) {
            view.note(
                Text::tr("interrupted: taking no new unit; the running ones finish "
                         "(interrupt again to end at once)"));
            station.stop();
        }
    });
    poll.start(InterruptPollMs);
}

}  // namespace

int station(const Invocation& line, StationPlan& plan, int count) {
    TrafficLog log;
    if (!line.log.isEmpty()) {
        if (!log.open(line.log)) return fileError(line.log, log.errorString());
        plan.task.log = &log;
    }
    const std::unique_ptr<journal::Journal> journal = openJournal(line);
    plan.task.journal = journal.get();
    plan.task.toolVersion = QCoreApplication::applicationVersion();
    UnitPool pool(plan);
    provision::DeviceWatcher watcher(line.watch);
    StationView* shown = nullptr;
    provision::Station station(
        watcher,
        [&](const QString& port, std::function<void(provision::UnitOutcome)> ended) {
            pool.start(port, *shown, std::move(ended));
        },
        count);
    StationView view(stdout, Reporter::isTerminal(stdout), !line.noBell, station, count);
    shown = &view;
    QObject::connect(&station, &provision::Station::started, &station,
                     [&view](const provision::StationSlot& slot) { view.started(slot); });
    QObject::connect(&station, &provision::Station::ended, &station,
                     [&view](const provision::StationSlot& slot) { view.ended(slot); });
    QObject::connect(&station, &provision::Station::unplugged, &station,
                     [&view](const QString& port) { view.unplugged(port); });

    QEventLoop loop;
    // Queued: a station can finish before the loop runs, and the quit must not be lost.
    QObject::connect(&station, &provision::Station::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    countInterrupts();
    QTimer poll;
    followInterrupts(poll, station, view);
    watcher.start();
    loop.exec();
    return exitStatus(station);
}

}  // namespace cli
