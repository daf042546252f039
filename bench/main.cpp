// SPDX-License-Identifier: GPL-3.0-or-later
// Full read and full write against the simulated unit at the unit's real 100 ms pace: how
// close each gets to the 99-interval floor, and how long the event loop was ever held up;
// then both again with the Traffic Monitor open.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "UnitSimulator.h"
#include "WindowControls.h"
#include "frmMain.h"
#include "history.h"

namespace {

constexpr int IntervalMs = 100;
constexpr double FloorSeconds = 99 * IntervalMs / 1000.0;

// Lets pending paints and the like finish, so they are not counted against the transfer.
void settle() {
    QEventLoop idle;
    QTimer::singleShot(300, &idle, &QEventLoop::quit);
    idle.exec();
}

struct Result {
    double seconds = 0;
    double worstGapMs = 0;
    double worstBusyMs = 0;  // the most processor time this thread used between two ticks
    bool ok = false;
};

// On a loaded machine a gap is mostly time the thread was not scheduled; what the tool itself
// held the loop for is the processor time the thread used in it.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Clicks the button and waits for the transfer to end, while a 1 ms timer measures the
// longest gap between its ticks.
Result run(frmMain& window, QPushButton* button, UnitSimulator& unit) {
    Result result;
    settle();
    unit.clearReceived();
    QEventLoop loop;
    QElapsedTimer clock, sinceTick;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    bool failed = false;
    double cpuAtTick = threadCpuMs();
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        result.worstGapMs = qMax(result.worstGapMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
        const double cpu = threadCpuMs();
        result.worstBusyMs = qMax(result.worstBusyMs, cpu - cpuAtTick);
        cpuAtTick = cpu;
        if (QWidget* modal = QApplication::activeModalWidget()) {  // a box means it failed
            failed = true;
            modal->close();
        }
        if (!window.transferActive()) loop.quit();
    });
    clock.start();
    sinceTick.start();
    ticker.start();
    button->click();
    if (window.transferActive()) loop.exec();
    result.seconds = clock.nsecsElapsed() / 1e9;
    result.ok = !failed && unit.commands().size() == 99;
    return result;
}

void report(const char* name, const Result& r) {
    std::printf(
        "%-28s %s  %.3f s  ratio %.4f to the %.1f s floor (goal <= 1.01)  "
        "longest event-loop stall %.1f ms (goal <= 10 ms), most busy in one %.1f ms\n",
        name, r.ok ? "ok    " : "FAILED", r.seconds, r.seconds / FloorSeconds, FloorSeconds,
        r.worstGapMs, r.worstBusyMs);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // the window's remembered port stays out of ~
    // "history [URL]" alone skips the transfers, which take a fixed 20 s.
    if (QApplication::arguments().value(1) == QStringLiteral("history"))
        return benchHistory(QApplication::arguments().value(2));

    UnitSimulator unit;
    if (!unit.open()) {
        std::fprintf(stderr, "simulated unit: %s\n", qPrintable(unit.errorString()));
        return 2;
    }
    frmMain window;
    window.show();
    window.setProtocolInterval(IntervalMs);
    control<QComboBox>(&window, "cmbComm")->setEditText(unit.slavePath());
    auto* connectButton = control<QPushButton>(&window, "cmdConnect");
    connectButton->click();
    if (connectButton->text() != QStringLiteral("Disconnect")) {
        std::fprintf(stderr, "could not connect to %s\n", qPrintable(unit.slavePath()));
        return 2;
    }

    const Result read = run(window, control<QPushButton>(&window, "cmdDeviceRead"), unit);
    report("read", read);
    const Result write = run(window, control<QPushButton>(&window, "cmdDeviceWrite"), unit);
    report("write", write);
    // Again with the Traffic Monitor open, taking every line of both transfers.
    window.findChild<QAction*>(QStringLiteral("actTrafficMonitor"))->trigger();
    const Result monitoredRead = run(window, control<QPushButton>(&window, "cmdDeviceRead"), unit);
    report("read, Traffic Monitor open", monitoredRead);
    const Result monitoredWrite =
        run(window, control<QPushButton>(&window, "cmdDeviceWrite"), unit);
    report("write, Traffic Monitor open", monitoredWrite);
    const bool sameConfiguration = unit.configuration() == window.configuration();
    if (!sameConfiguration) std::printf("the unit does not hold what the window shows\n");
    const bool allOk = read.ok && write.ok && monitoredRead.ok && monitoredWrite.ok;
    const int history = benchHistory();
    return allOk && sameConfiguration && history == 0 ? 0 : 1;
}
