// SPDX-License-Identifier: GPL-3.0-or-later
// Full read and full write against the simulated unit at the unit's real 100 ms pace: how
// close each gets to the 99-interval floor, and how long the event loop was ever held up, with
// the Traffic Monitor and History open where the build has them. Also how soon the window is
// shown after the process starts and how much memory it holds once its menus have opened
// (--start: those alone).
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>

#include "bench/WindowOpener.h"
#include "bench/history.h"
#include "tests/WindowControls.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/mainwindow/frmMain.h"

namespace {

constexpr int IntervalMs = 100;
constexpr double FloorSeconds = 99 * IntervalMs / 1000.0;

// Processor time of this thread: unlike the clock, it does not grow while other programs run.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

// The event handed out from the top of the event loop that took the most time, and to whom, so
// that a stall can be put down to the code that held the loop: by the clock, and by processor
// time, which a wait (a sleep, a blocking call) does not use.
struct Slowest {
    double ms = 0;
    QByteArray what;
};

class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    Slowest slowest;  // by processor time
    Slowest longest;  // by the clock

    bool notify(QObject* receiver, QEvent* event) override {
        if (depth > 0) return QApplication::notify(receiver, event);
        // Taken before delivery: the receiver may be gone after it.
        const char* className = receiver->metaObject()->className();
        const QString name = receiver->objectName();
        const QEvent::Type type = event->type();
        ++depth;
        const double started = threadCpuMs();
        QElapsedTimer clock;
        clock.start();
        const bool result = QApplication::notify(receiver, event);
        --depth;
        const double ms = threadCpuMs() - started, wallMs = clock.nsecsElapsed() / 1e6;
        if (ms > slowest.ms) slowest = {ms, describe(className, name, type)};
        if (wallMs > longest.ms) longest = {wallMs, describe(className, name, type)};
        return result;
    }

private:
    int depth = 0;

    static QByteArray describe(const char* className, const QString& name, QEvent::Type type) {
        const char* typeName = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
        return QByteArray(typeName ? typeName : "event") + " to " + className +
               (name.isEmpty() ? QByteArray() : " " + name.toUtf8());
    }
};

TimedApplication* timedApp() {
    return static_cast<TimedApplication*>(QCoreApplication::instance());
}

struct Result {
    double seconds = 0;
    double worstGapMs = 0;
    double worstGapCpuMs = 0;  // the program's own share of a gap; the rest is the machine's
    Slowest slowest, longest;
    bool ok = false;
};

// Clicks the button and waits for the transfer to end, while a 1 ms timer measures the
// longest gap between its ticks. The click itself runs outside the loop, so it counts too.
Result run(frmMain& window, QPushButton* button, UnitSimulator& unit) {
    Result result;
    bench::settle(300);  // pending paints and the like are not the transfer's
    unit.clearReceived();
    QEventLoop loop;
    QElapsedTimer clock, sinceTick;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    bool failed = false;
    double tickCpu = threadCpuMs();
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        result.worstGapMs = qMax(result.worstGapMs, sinceTick.nsecsElapsed() / 1e6);
        result.worstGapCpuMs = qMax(result.worstGapCpuMs, threadCpuMs() - tickCpu);
        sinceTick.restart();
        tickCpu = threadCpuMs();
        if (QWidget* modal = QApplication::activeModalWidget()) {  // a box means it failed
            failed = true;
            modal->close();
        }
        if (!window.transferActive()) loop.quit();
    });
    timedApp()->slowest = timedApp()->longest = {};
    clock.start();
    sinceTick.start();
    ticker.start();
    const double clickStarted = threadCpuMs();
    button->click();
    const double clickMs = threadCpuMs() - clickStarted;
    if (window.transferActive()) loop.exec();
    result.seconds = clock.nsecsElapsed() / 1e9;
    result.slowest = timedApp()->slowest;
    result.longest = timedApp()->longest;
    if (clickMs > result.slowest.ms) result.slowest = {clickMs, "the click itself"};
    result.ok = !failed && unit.commands().size() == 99;
    return result;
}

// The machine's own share of any stall: how late a 1 ms sleep wakes, at worst.
double sleepJitterMs() {
    double worst = 0;
    QElapsedTimer clock;
    for (int i = 0; i < 2000; ++i) {
        clock.start();
        usleep(1000);
        worst = qMax(worst, clock.nsecsElapsed() / 1e6 - 1.0);
    }
    return worst;
}

void report(const char* name, const Result& r) {
    std::printf(
        "%-6s %s  %.3f s  ratio %.4f to the %.1f s floor (goal <= 1.01)  "
        "longest event-loop stall %.1f ms (goal <= 10 ms), %.1f ms of it at most the program's "
        "own CPU; longest event %.1f ms: %s; costliest event %.1f ms CPU: %s\n",
        name, r.ok ? "ok    " : "FAILED", r.seconds, r.seconds / FloorSeconds, FloorSeconds,
        r.worstGapMs, r.worstGapCpuMs, r.longest.ms, r.longest.what.constData(), r.slowest.ms,
        r.slowest.what.constData());
}

// Milliseconds since this process started, to the kernel's clock-tick resolution.
double msSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.readAll();
    // Field 22, counted after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20) return -1;
    const double startMs = fields[19].toDouble() * 1000.0 / sysconf(_SC_CLK_TCK);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6 - startMs;
}

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// Opens every menu once, as a user looking around would, so their memory is counted.
void openMenus(frmMain& window) {
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        menu->popup(window.mapToGlobal(QPoint(0, 0)));
        bench::settle(50);
        menu->hide();
    }
}

// The windows a technician keeps open while a unit is read or written.
void openCompanions(frmMain& window) {
    const struct {
        const char* actionName;
        QKeySequence shortcut;
        const char* objectName;
    } companions[] = {
        {"actTrafficMonitor", QKeySequence(Qt::CTRL | Qt::Key_T), "frmTrafficMonitor"},
        {"actHistory", QKeySequence(Qt::CTRL | Qt::Key_H), "frmHistory"}};
    for (const auto& companion : companions) {
        QAction* action =
            bench::findAction(&window, QLatin1String(companion.actionName), companion.shortcut);
        if (action) action->trigger();
        const bool open = action && bench::waitForWindow(QLatin1String(companion.objectName));
        std::printf("%s: %s\n", companion.objectName,
                    open ? "open" : "not in this build, measured without it");
    }
}

// The window's start: when it was shown, and what it took to get there; then its memory with
// its menus opened.
void startFigures(frmMain& window, double loadedMs, double appMs, double builtMs) {
    window.show();
    while (!window.isVisible() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents();  // its first paint
    const double shownMs = msSinceProcessStart();
    openMenus(window);
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);  // the part of it that load cannot inflate
    std::printf(
        "window shown %.0f ms after start (goal <= 100 ms; 1/%ld s resolution), %.0f ms of it "
        "CPU: %.0f loading, %.0f application, %.0f building, %.0f showing; %.1f MB resident "
        "with its menus opened (goal <= 45 MB)\n",
        shownMs, sysconf(_SC_CLK_TCK), cpu.tv_sec * 1000.0 + cpu.tv_nsec / 1e6, loadedMs,
        appMs - loadedMs, builtMs - appMs, shownMs - builtMs, residentMegabytes());
    std::printf("machine: a 1 ms sleep wakes up to %.1f ms late\n", sleepJitterMs());
}

// A read, a write and a read with Fast Link through the window, with its other windows open;
// 0 when each went right and the unit holds what the window shows, 2 when there was no unit.
int transferFigures(frmMain& window) {
    UnitSimulator unit;
    if (!unit.open()) {
        std::fprintf(stderr, "simulated unit: %s\n", qPrintable(unit.errorString()));
        return 2;
    }
    window.setProtocolInterval(IntervalMs);
    control<QComboBox>(&window, "cmbComm")->setEditText(unit.slavePath());
    auto* connectButton = control<QPushButton>(&window, "cmdConnect");
    connectButton->click();
    if (connectButton->text() != QStringLiteral("Disconnect")) {
        std::fprintf(stderr, "could not connect to %s\n", qPrintable(unit.slavePath()));
        return 2;
    }
    openCompanions(window);

    const Result read = run(window, control<QPushButton>(&window, "cmdDeviceRead"), unit);
    report("read", read);
    const Result write = run(window, control<QPushButton>(&window, "cmdDeviceWrite"), unit);
    report("write", write);
    // Fast Link: the same read at the unit's own pace, through the remembered option.
    if (auto* fast = window.findChild<QAction*>(QStringLiteral("actFastLink"))) {
        fast->setChecked(true);
        const Result paced = run(window, control<QPushButton>(&window, "cmdDeviceRead"), unit);
        std::printf("read with Fast Link %s %.3f s, ratio %.3f to the %.1f s floor (goal <= 0.1)\n",
                    paced.ok ? "ok    " : "FAILED", paced.seconds, paced.seconds / FloorSeconds,
                    FloorSeconds);
        fast->setChecked(false);
    }
    const bool sameConfiguration = unit.configuration() == window.configuration();
    if (!sameConfiguration) std::printf("the unit does not hold what the window shows\n");
    return read.ok && write.ok && sameConfiguration ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const double loadedMs = msSinceProcessStart();
    TimedApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // the window's remembered port stays out of ~
    // "history [URL]" alone skips the transfers, which take a fixed 20 s.
    if (QApplication::arguments().value(1) == QStringLiteral("history"))
        return benchHistory(QApplication::arguments().value(2));
    const double appMs = msSinceProcessStart();

    // The journal History lists, as a user's window would have one; it outlives the window,
    // which records into it.
    std::optional<QTemporaryDir> scratch;
    std::unique_ptr<journal::Journal> journal;
    frmMain window;
    const double builtMs = msSinceProcessStart();
    startFigures(window, loadedMs, appMs, builtMs);
    // --start: the start figures alone, which vary from run to run and want many runs.
    if (QCoreApplication::arguments().contains(QStringLiteral("--start"))) return 0;

    journal = bench::scratchJournal(scratch.emplace().path());
    window.setJournal(journal.get());
    const int transfers = transferFigures(window);
    if (transfers == 2) return 2;
    const int history = benchHistory();
    return transfers == 0 && history == 0 ? 0 : 1;
}
