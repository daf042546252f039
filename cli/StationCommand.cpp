// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StationCommand.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <cstring>
#include <memory>

#ifndef Q_OS_WIN
#include <sys/ioctl.h>
#include <unistd.h>
#endif

#include "cli/BatchJournal.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/Interrupts.h"
#include "cli/Reporter.h"
#include "cli/StationView.h"
#include "device/TrafficLog.h"
#include "provision/DeviceWatcher.h"
#include "provision/Station.h"
#include "provision/StationUnit.h"

namespace cli {

namespace {

constexpr int InterruptPollMs = 100;

// The terminal's width as it is now (it may be resized during a station); 80 when it does not
// say, and within bounds when it says something odd.
int terminalColumns() {
    constexpr int Fallback = 80, Narrowest = 20, Widest = 1000;
    int columns = 0;
#ifndef Q_OS_WIN
    winsize size{};
    if (::ioctl(::fileno(stdout), TIOCGWINSZ, &size) == 0) columns = size.ws_col;
#endif
    if (columns <= 0) columns = qEnvironmentVariableIntValue("COLUMNS");
    return columns <= 0 ? Fallback : qBound(Narrowest, columns, Widest);
}

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

// On a terminal, Enter dismisses the failed units that were unplugged: the technician has set
// them aside. The terminal echoes the line under the table, which the view then draws over.
std::unique_ptr<QSocketNotifier> followEnter(provision::Station& station, StationView& view) {
#ifdef Q_OS_WIN
    Q_UNUSED(station);
    Q_UNUSED(view);
    return {};
#else
    if (!Reporter::isTerminal(stdin) || !Reporter::isTerminal(stdout)) return {};
    auto enter = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    QSocketNotifier* notifier = enter.get();
    QObject::connect(notifier, &QSocketNotifier::activated, &station, [&station, &view, notifier] {
        char typed[256];
        const ssize_t got = ::read(STDIN_FILENO, typed, sizeof typed);
        // End of input, or an error: nothing more will come.
        if (got <= 0) return notifier->setEnabled(false);
        if (!std::memchr(typed, '\n', size_t(got))) return;  // a long line's start
        view.lineTyped();
        station.acknowledgeUnplugged();
    });
    view.setEnterDismisses(true);
    return enter;
#endif
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
    StationView view(stdout, Reporter::isTerminal(stdout), !line.noBell, station, count,
                     terminalColumns);
    follow(view, station, pool);
    const std::unique_ptr<QSocketNotifier> enter = followEnter(station, view);

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
