// SPDX-License-Identifier: GPL-3.0-or-later
#include "StationCommand.h"

#include <QEventLoop>
#include <QTimer>

#include "BatchJournal.h"
#include "Console.h"
#include "DeviceWatcher.h"
#include "ExitCode.h"
#include "Interrupts.h"
#include "Reporter.h"
#include "Station.h"
#include "StationUnit.h"
#include "StationView.h"
#include "TrafficLog.h"

namespace cli {

namespace {

constexpr int InterruptPollMs = 100;

int exitStatus(const provision::Station& station) {
    if (station.failed() > 0) return NoUnit;
    return station.differing() > 0 ? Differences : Done;
}

void followInterrupts(QTimer& poll, provision::Station& station, StationView& view) {
    QObject::connect(&poll, &QTimer::timeout, &station, [&station, &view] {
        const int count = interruptions();
        if (count >= 2) return station.abort(Text::tr("stopped by a second interruption"));
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

int station(const Invocation& line, provision::StationPlan& plan, int count) {
    TrafficLog log;
    if (!line.log.isEmpty()) {
        if (!log.open(line.log)) return fileError(line.log, log.errorString());
        plan.task.log = &log;
    }
    const std::unique_ptr<journal::Journal> journal = openJournal(line);
    plan.task.journal = journal.get();
    plan.task.toolVersion = QCoreApplication::applicationVersion();
    plan.stopReason = Text::tr("stopped by a second interruption");
    provision::UnitPool pool(plan);
    provision::DeviceWatcher watcher(line.watch);
    provision::Station station(watcher, pool.job(), count);
    StationView view(stdout, Reporter::isTerminal(stdout), !line.noBell, station, count);
    QObject::connect(&pool, &provision::UnitPool::progress, &station,
                     [&view](const QString& port, const QString& stage, int done, int total) {
                         view.progress(port, stage, done, total);
                     });
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
