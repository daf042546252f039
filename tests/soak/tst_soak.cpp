// SPDX-License-Identifier: GPL-3.0-or-later
// Fault-injection soak: many cycles of connect, Read from Device and Write to Device in the real
// main window against the simulated unit on a pseudo-terminal, each cycle with a fault picked
// from a seeded generator. Every cycle is checked against what the tool promises the user, and
// at the end memory and file descriptors must be where the first cycle left them.
//
// A failed check does not stop the soak; every failure is listed at the end with its cycle, so
// one run shows whether a fault kind fails always or only now and then. Set QX_SOAK_SEED to
// replay another sequence.
#include <unistd.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTabWidget>
#include <QThread>
#include <QtTest>

#include <array>
#include <filesystem>
#include <memory>
#include <type_traits>

#include "device/CommandSet.h"
#include "tests/WindowControls.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/mainwindow/frmMain.h"

namespace {

enum class Fault { None, Silent, ProbeOnly, Late, Garbage, HangUp, Flood, Slipped };
constexpr int FaultKinds = 8;
const std::array<const char*, FaultKinds> FaultNames{"none",    "silent",  "probe-only", "late",
                                                     "garbage", "hang-up", "flood",      "slipped"};

constexpr quint32 DefaultSeed = 1206;
constexpr int Cycles = 50;
// Short, yet safe: on a busy two-core machine an occasional probe reply still missed a 10 ms
// interval, even with the unit on its own thread.
constexpr int IntervalMs = 15;
constexpr qint64 FloodBytes = 1 << 20;
constexpr int Exchanges = 99;  // probe, slave ID, flags, 32 numbers, 64 messages
// Command numbers (1-based) in a read or write, in the order the tool sends them.
constexpr int SlaveIdCommand = 2;
constexpr int FlagsCommand = 3;
constexpr int FirstPhoneCommand = 4;
constexpr int FirstMessageCommand = FirstPhoneCommand + ConfigurationSet::PhoneCount;  // 36
// The unit gives its last reply up to 50 ms to be read before the line drops, while the tool
// carries on with unanswered commands; stopping at command 70 leaves 29 exchanges (at least
// 435 ms) for the drop to land inside the procedure it was aimed at.
constexpr int LastHangUpCommand = 70;
// Not a timing figure: only how long to wait before calling the tool hung.
constexpr int StuckMs = 30000;
// How long a command already written may take to reach the unit; not a timing figure either.
constexpr int SettleMs = 2000;
// The heap keeps freed pages and Qt fills its font, glyph and style caches over the first
// procedures; growth beyond this over the run means something piles up per cycle (50 leaked
// 1 MB floods, or a progress window with its backing store per procedure, would exceed it).
constexpr qint64 RssMarginKb = 20 * 1024;

const QColor Green(0, 255, 0), Black(0, 0, 0), Red(255, 0, 0);
const QStringList NoDeviceBox{"Communication Error", "Cannot communicate with device",
                              QString::number(QMessageBox::Warning)};

qint64 residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) / 1024 : -1;
}

qint64 peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

int openFds() {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

// A configuration that differs from any other drawn here almost everywhere: digits for phone
// numbers of 0 to 15 characters, messages of 0 to 160 characters with line breaks and a
// character above 0x7F.
ConfigurationSet randomSet(QRandomGenerator& rng) {
    static const QString digits = QStringLiteral("0123456789");
    static const QString letters =
        QStringLiteral(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .,-/&é");
    ConfigurationSet set;
    set.slaveId = rng.bounded(ConfigurationSet::SlaveIdCount);
    for (QString& phone : set.phoneNo) {
        const int length = rng.bounded(ConfigurationSet::PhoneMaxLength + 1);
        for (int c = 0; c < length; ++c)
            phone += digits[rng.bounded(int(digits.size()))];
    }
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        set.channelEnable[i] = rng.bounded(2) ? FlagTrue : FlagFalse;
        const int length = rng.bounded(ConfigurationSet::MessageMaxLength + 1);
        QString& message = set.channelMessage[i];
        while (message.size() < length) {
            if (message.size() + 2 <= length && rng.bounded(20) == 0)
                message += QStringLiteral("\r\n");
            else
                message += letters[rng.bounded(int(letters.size()))];
        }
    }
    return set;
}

// Where two sets differ, for the failure list.
QString differences(const ConfigurationSet& got, const ConfigurationSet& want) {
    QStringList d;
    if (got.slaveId != want.slaveId)
        d << QStringLiteral("slave ID %1, not %2").arg(got.slaveId).arg(want.slaveId);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k) {
        if (got.phoneNo[k] != want.phoneNo[k])
            d << QStringLiteral("phone %1 \"%2\", not \"%3\"")
                     .arg(k + 1)
                     .arg(got.phoneNo[k], want.phoneNo[k]);
    }
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        if (got.channelEnable[i] != want.channelEnable[i])
            d << QStringLiteral("flag %1 %2").arg(i + 1).arg(got.channelEnable[i]);
        if (got.channelMessage[i] != want.channelMessage[i])
            d << QStringLiteral("message %1 \"%2\", not \"%3\"")
                     .arg(i + 1)
                     .arg(got.channelMessage[i].left(20), want.channelMessage[i].left(20));
    }
    return d.mid(0, 4).join(QStringLiteral("; "));
}

// Answers every modal message box with OK and records title, text and icon, so a box that
// should not show is counted and one that never comes fails a wait instead of hanging.
struct BoxCatcher : QObject {
    BoxCatcher() {
        connect(&poll, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            boxes << QStringList{box->windowTitle(), box->text(), QString::number(box->icon())};
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(10);
    }
    QList<QStringList> boxes;
    QTimer poll;
};

// Counts progress windows shown and keeps the bar's last value.
struct ProgressWatch : QObject {
    ProgressWatch() { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* p = qobject_cast<frmProgress*>(o);
        if (!p || e->type() != QEvent::Show || p->property("soakWatched").toBool()) return false;
        p->setProperty("soakWatched", true);
        ++shown;
        last = p->pbar->value();
        connect(p->pbar, &QProgressBar::valueChanged, this, [this](int v) { last = v; });
        return false;
    }
    int shown = 0;
    int last = -1;
};

// The simulated unit on a thread of its own, as a real unit answers whatever the tool is busy
// with: on the tool's thread, a reply could not even be written while the tool opens its
// progress window. Everything about the unit is asked on its thread.
class UnitOnThread {
public:
    UnitOnThread() {
        thread.start();
        unit->moveToThread(&thread);
    }
    ~UnitOnThread() {
        unit->deleteLater();  // on its own thread, before that thread ends
        thread.quit();
        thread.wait();
    }
    template <typename F>
    auto call(F f) {
        std::invoke_result_t<F, UnitSimulator&> result{};
        QMetaObject::invokeMethod(
            unit, [&] { result = f(*unit); }, Qt::BlockingQueuedConnection);
        return result;
    }
    UnitSimulator* unit = new UnitSimulator;

private:
    QThread thread;
};

// One query of the read answered an exchange late; never the last, whose reply would then
// not come at all.
QByteArray slippedQuery(QRandomGenerator& rng) {
    const int query = rng.bounded(Exchanges - 2);
    if (query == 0) return QByteArray("?A");
    if (query == 1) return QByteArray("?E");
    if (query < 2 + ConfigurationSet::PhoneCount) return "?P" + CommandSet::hex2(query - 2);
    return "?M" + CommandSet::hex2(query - 2 - ConfigurationSet::PhoneCount);
}

// What one click of Read or Write from Device led to.
struct Run {
    QList<QStringList> boxes;
    qsizetype sentBefore = 0;  // commands the unit had received before the click
    qsizetype commands = 0;    // received by the unit for this procedure
    int progressShown = 0;
    int progressLast = -1;
    int unlockedDuring = 0;  // commands seen while a procedure control was usable
};

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says so for every window shown; hundreds of those lines would bury the
// failure list.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    defaultHandler(type, context, text);
}

}  // namespace

class tst_soak : public QObject {
    Q_OBJECT
public:
    static void initMain() {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QStandardPaths::setTestModeEnabled(true);  // the window's remembered port stays out of ~
    }

private slots:
    void faultCycles();

private:
    QColor lamp() const { return widget("shpComm")->palette().color(QPalette::Window); }
    QWidget* widget(const char* name) const { return control(w.get(), name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(w.get(), name); }
    QSerialPort* port() const { return w->findChild<QSerialPort*>(QStringLiteral("cm")); }
    bool connectUnit(const UnitFaults& faults, const ConfigurationSet& set);
    bool runProcedure(bool write, Run& run);
    qsizetype settle(Run& run, qsizetype expected);
    // One cycle: its faults and configurations, then the read, the write and the disconnect.
    struct Plan {
        Fault kind = Fault::None;
        UnitFaults faults;
        int readDropsAfter = -1;   // commands of the read the unit answers before the line drops
        int writeDropsAfter = -1;  // the same for the write
        ConfigurationSet unitSet, before, toWrite;
        int readFromPage = 1;
        int writeFromPage = 1;
        // A late unit, or one that floods the line right behind its probe reply, may miss the
        // probe's interval; then the communication box is the right answer, and nothing else
        // is.
        bool mayMissProbe() const { return kind == Fault::Late || kind == Fault::Flood; }
    };
    UnitFaults planFaults(Plan& plan);
    Plan planCycle(Fault kind);
    bool cycle(Fault fault);
    bool readFromDevice(const Plan& plan);
    void checkReadOutcome(const Plan& plan, Run& read, const ConfigurationSet& got);
    void checkPartialRead(const Plan& plan, const ConfigurationSet& got);
    bool writeToDevice(const Plan& plan);
    void checkPartialWrite(const Plan& plan);
    bool disconnectUnit(const Plan& plan);
    void checkLinkAlive();
    void checkLinkLost();
    void check(bool ok, const char* what, int line);
    void sameSet(const ConfigurationSet& got, const ConfigurationSet& want, const char* what,
                 int line);

    std::unique_ptr<frmMain> w;
    std::unique_ptr<UnitOnThread> unit;
    qsizetype unitCommands() {
        return unit->call([](UnitSimulator& u) { return u.commands().size(); });
    }
    ConfigurationSet unitConfiguration() {
        return unit->call([](UnitSimulator& u) { return u.configuration(); });
    }
    std::unique_ptr<BoxCatcher> catcher;
    std::unique_ptr<ProgressWatch> watch;
    QRandomGenerator rng;
    int cycleNo = 0;
    Fault fault = Fault::None;
    bool cycleFailed = false;
    QStringList failures;
};

#define SOAK_CHECK(cond) check(bool(cond), #cond, __LINE__)
#define SOAK_SAME(got, want) sameSet(got, want, #got " == " #want, __LINE__)

void tst_soak::check(bool ok, const char* what, int line) {
    if (ok) return;
    cycleFailed = true;
    failures << QStringLiteral("cycle %1 (%2), line %3: %4")
                    .arg(cycleNo + 1)
                    .arg(QLatin1String(FaultNames[size_t(fault)]))
                    .arg(line)
                    .arg(QLatin1String(what));
}

void tst_soak::sameSet(const ConfigurationSet& got, const ConfigurationSet& want, const char* what,
                       int line) {
    if (got == want) return;
    check(false,
          qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(what), differences(got, want))),
          line);
}

// A fresh unit on a new pseudo-terminal, connected through the port box like a user would.
bool tst_soak::connectUnit(const UnitFaults& faults, const ConfigurationSet& set) {
    unit = std::make_unique<UnitOnThread>();
    const QString path = unit->call([&](UnitSimulator& u) {
        if (!u.open()) return QString();
        u.setFaults(faults);
        u.setConfiguration(set);
        return u.slavePath();
    });
    if (path.isEmpty()) {
        failures << QStringLiteral("cycle %1: simulated unit: %2")
                        .arg(cycleNo + 1)
                        .arg(unit->call([](UnitSimulator& u) { return u.errorString(); }));
        return false;
    }
    control<QComboBox>(w.get(), "cmbComm")->setEditText(path);
    button("cmdConnect")->click();
    if (lamp() == Green && button("cmdConnect")->text() == QStringLiteral("Disconnect") &&
        widget("FrameFunction")->isEnabled() && port()->isOpen())
        return true;
    failures << QStringLiteral("cycle %1: cannot connect to %2").arg(cycleNo + 1).arg(path);
    return false;
}

// Clicks Read or Write from Device and waits for the procedure and any box it brings. While it
// runs, every command the unit receives is a moment to look at the controls, and at one of them
// the user tries to start another procedure or to disconnect. False when the tool is hung.
bool tst_soak::runProcedure(bool write, Run& run) {
    const qsizetype boxesBefore = catcher->boxes.size();
    run.sentBefore = unitCommands();
    const int shownBefore = watch->shown;
    const int pokeAt = 2 + rng.bounded(Exchanges - 2);
    // Everything that would start another procedure or change the configuration.
    QList<QWidget*> lockedControls{button("cmdDeviceRead"), button("cmdDeviceWrite"),
                                   button("cmdConnect"),    button("cmdFileLoad"),
                                   button("cmdFileSave"),   widget("cmbSlaveID")};
    for (int s = 0; s < frmMain::Slots; ++s)
        lockedControls << control(w.get(), "chkChEnable", s) << control(w.get(), "cmdEditMsg", s);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        lockedControls << control(w.get(), "cmdEditNo", k);
    int seen = 0;
    const QMetaObject::Connection spy =
        connect(unit->unit, &UnitSimulator::commandReceived, this, [&] {
            ++seen;
            if (!w->transferActive()) return;
            for (QWidget* c : std::as_const(lockedControls))
                run.unlockedDuring += c->isEnabled();
            if (seen == pokeAt) {
                button("cmdDeviceRead")->click();
                button("cmdDeviceWrite")->click();
                button("cmdConnect")->click();
            }
        });

    (write ? button("cmdDeviceWrite") : button("cmdDeviceRead"))->click();
    const bool ended = QTest::qWaitFor([this] { return !w->transferActive(); }, StuckMs);
    // A box comes from the event loop right after the procedure; the catcher closes it inside
    // this wait.
    QTest::qWait(4 * IntervalMs);
    disconnect(spy);
    if (!ended) {
        failures << QStringLiteral("cycle %1 (%2): the %3 never ended")
                        .arg(cycleNo + 1)
                        .arg(QLatin1String(FaultNames[size_t(fault)]))
                        .arg(write ? "write" : "read");
        return false;
    }
    run.boxes = catcher->boxes.mid(boxesBefore);
    run.commands = unitCommands() - run.sentBefore;
    run.progressShown = watch->shown - shownBefore;
    run.progressLast = watch->last;
    SOAK_CHECK(w->findChildren<frmProgress*>().isEmpty());
    // The communication box, or a read's own when its replies slipped.
    for (const QStringList& box : std::as_const(run.boxes))
        SOAK_CHECK(box == NoDeviceBox ||
                   (!write && box.value(0) == QStringLiteral("Read from Device") &&
                    box.value(2) == NoDeviceBox.value(2)));
    SOAK_CHECK(run.unlockedDuring == 0);
    // Whatever the outcome, even a read cut short, the page shows what the window holds.
    const int base = (w->currentPage() - 1) * frmMain::Slots;
    const ConfigurationSet held = w->configuration();
    for (int s = 0; s < frmMain::Slots; ++s) {
        SOAK_CHECK(control<QLabel>(w.get(), "lblMessage", s)->text() ==
                   held.channelMessage[base + s]);
        SOAK_CHECK(control<QCheckBox>(w.get(), "chkChEnable", s)->isChecked() ==
                   held.enabled(base + s));
    }
    return true;
}

// The last command may still be on its way to the unit when the tool is done with it.
qsizetype tst_soak::settle(Run& run, qsizetype expected) {
    (void)QTest::qWaitFor([&] { return unitCommands() - run.sentBefore >= expected; }, SettleMs);
    run.commands = unitCommands() - run.sentBefore;
    return run.commands;
}

void tst_soak::checkLinkAlive() {
    SOAK_CHECK(port()->isOpen());
    SOAK_CHECK(lamp() == Green);
    SOAK_CHECK(button("cmdConnect")->text() == QStringLiteral("Disconnect"));
    SOAK_CHECK(widget("FrameFunction")->isEnabled());
    for (QWidget* c : std::initializer_list<QWidget*>{
             button("cmdConnect"), button("cmdDeviceRead"), button("cmdDeviceWrite"),
             button("cmdFileLoad"), button("cmdFileSave"), widget("cmbSlaveID")})
        SOAK_CHECK(c->isEnabled());
}

void tst_soak::checkLinkLost() {
    SOAK_CHECK(!port()->isOpen());
    SOAK_CHECK(lamp() == Red);
    SOAK_CHECK(button("cmdConnect")->text() == QStringLiteral("Connect"));
    SOAK_CHECK(!widget("FrameFunction")->isEnabled());
    SOAK_CHECK(button("cmdConnect")->isEnabled() && button("cmdFileLoad")->isEnabled() &&
               button("cmdFileSave")->isEnabled() && widget("cmbSlaveID")->isEnabled());
    // Unlocked again in their own right; only the frame keeps them off.
    SOAK_CHECK(!button("cmdDeviceRead")->testAttribute(Qt::WA_ForceDisabled));
    SOAK_CHECK(!button("cmdDeviceWrite")->testAttribute(Qt::WA_ForceDisabled));
}

// What a cycle does to the unit, drawn from the generator before it starts.
UnitFaults tst_soak::planFaults(Plan& plan) {
    UnitFaults faults;
    faults.seed = rng.generate();
    switch (plan.kind) {
        case Fault::None:
            break;
        case Fault::Silent:
            faults.silent = true;
            break;
        case Fault::ProbeOnly:
            faults.probeOnly = true;
            break;
        case Fault::Late:
            faults.delayMs = IntervalMs + rng.bounded(IntervalMs + 1);  // one to two intervals
            break;
        case Fault::Garbage:
            faults.garbage = true;
            break;
        case Fault::HangUp:
            // The unit counts commands from the connect on, read and write together. A write
            // is hit after its probe at the earliest: a drop right at the end of the read would
            // come between the two procedures.
            if (rng.bounded(2)) {
                plan.writeDropsAfter = 1 + rng.bounded(LastHangUpCommand);
                faults.hangUpAfter = Exchanges + plan.writeDropsAfter;
            } else {
                plan.readDropsAfter = rng.bounded(LastHangUpCommand + 1);
                faults.hangUpAfter = plan.readDropsAfter;
            }
            break;
        case Fault::Flood:
            faults.floodBytes = FloodBytes;
            break;
        case Fault::Slipped:
            faults.lateOnce = slippedQuery(rng);
            break;
    }
    return faults;
}

tst_soak::Plan tst_soak::planCycle(Fault kind) {
    Plan plan;
    plan.kind = kind;
    plan.faults = planFaults(plan);
    plan.unitSet = randomSet(rng);
    plan.before = randomSet(rng);
    plan.toWrite = randomSet(rng);
    plan.readFromPage = 2 + rng.bounded(3);
    plan.writeFromPage = 1 + rng.bounded(4);
    return plan;
}

// False when the cycle could not go on (no unit, no connection, a hung procedure).
bool tst_soak::cycle(Fault kind) {
    fault = kind;
    cycleFailed = false;
    const Plan plan = planCycle(kind);
    if (!connectUnit(plan.faults, plan.unitSet)) return false;
    if (!readFromDevice(plan)) return false;
    if (plan.readDropsAfter < 0 && !writeToDevice(plan)) return false;
    return disconnectUnit(plan);
}

bool tst_soak::readFromDevice(const Plan& plan) {
    w->applyConfiguration(plan.before);
    w->selectPage(plan.readFromPage);
    Run read;
    if (!runProcedure(false, read)) return false;
    const ConfigurationSet got = w->configuration();
    SOAK_CHECK(w->currentPage() == 1);  // even when the probe fails
    if (plan.readDropsAfter < 0) checkReadOutcome(plan, read, got);
    if (plan.readDropsAfter >= 0) {
        SOAK_CHECK(read.boxes.size() == 1);
        checkLinkLost();
        checkPartialRead(plan, got);
    } else {
        checkLinkAlive();
    }
    return true;
}

// Whether the read ran through, was refused at its probe, or failed whole, and what the window
// then shows. A read whose replies slipped or were not of their items' form fails: its box, and
// the window keeps what it showed before. A busy machine may make a reply late in any cycle.
void tst_soak::checkReadOutcome(const Plan& plan, Run& read, const ConfigurationSet& got) {
    const Fault kind = plan.kind;
    const bool failed =
        read.boxes.size() == 1 && read.boxes[0].value(0) == QStringLiteral("Read from Device");
    const bool refused = kind == Fault::Silent || kind == Fault::Garbage ||
                         (plan.mayMissProbe() && !read.boxes.isEmpty() && !failed);
    // No reply after the probe, one held back, or noise ahead of every reply: never a read.
    // A unit late by little more than the interval may still have every reply taken in time
    // (the interval's end is never early, and may be late); it is then read right, as checked
    // below, and otherwise fails whole.
    const bool mustFail =
        kind == Fault::ProbeOnly || kind == Fault::Slipped || (kind == Fault::Flood && !refused);
    if (refused) {
        SOAK_CHECK(read.boxes.size() == 1);
        SOAK_CHECK(settle(read, 1) == 1);  // the probe alone
        SOAK_CHECK(read.progressShown == 0);
        SOAK_SAME(got, plan.before);
        return;
    }
    SOAK_CHECK(settle(read, Exchanges) == Exchanges);
    SOAK_CHECK(read.progressShown == 1 && read.progressLast == 100);
    SOAK_CHECK(failed || !mustFail);
    if (failed) {
        SOAK_CHECK(read.boxes[0].value(1).startsWith(QStringLiteral("The read from ")));
        SOAK_SAME(got, plan.before);
        return;
    }
    SOAK_CHECK(read.boxes.isEmpty());
    SOAK_SAME(got, plan.unitSet);
    for (int s = 0; s < frmMain::Slots; ++s) {
        SOAK_CHECK(control<QLabel>(w.get(), "lblMessage", s)->text() ==
                   plan.unitSet.channelMessage[s]);
        SOAK_CHECK(control<QCheckBox>(w.get(), "chkChEnable", s)->isChecked() ==
                   plan.unitSet.enabled(s));
    }
}

// Queries answered before the last one landed. The last answer may be lost with the line, and
// the ones after it were either not sent, leaving the old value, or went unanswered, which
// empties a number or a message.
void tst_soak::checkPartialRead(const Plan& plan, const ConfigurationSet& got) {
    const ConfigurationSet& unitSet = plan.unitSet;
    const ConfigurationSet& before = plan.before;
    auto landed = [&](int command) { return command < plan.readDropsAfter; };
    SOAK_CHECK(landed(SlaveIdCommand)
                   ? got.slaveId == unitSet.slaveId
                   : got.slaveId == unitSet.slaveId || got.slaveId == before.slaveId);
    SOAK_CHECK(landed(FlagsCommand) ? got.channelEnable == unitSet.channelEnable
                                    : got.channelEnable == unitSet.channelEnable ||
                                          got.channelEnable == before.channelEnable);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k) {
        const QString& phone = got.phoneNo[k];
        if (landed(FirstPhoneCommand + k))
            SOAK_CHECK(phone == unitSet.phoneNo[k]);
        else
            SOAK_CHECK(phone == unitSet.phoneNo[k] || phone == before.phoneNo[k] ||
                       phone.isEmpty());
    }
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        const QString& message = got.channelMessage[i];
        if (landed(FirstMessageCommand + i))
            SOAK_CHECK(message == unitSet.channelMessage[i]);
        else
            SOAK_CHECK(message == unitSet.channelMessage[i] ||
                       message == before.channelMessage[i] || message.isEmpty());
    }
}

bool tst_soak::writeToDevice(const Plan& plan) {
    const Fault kind = plan.kind;
    if (kind == Fault::Flood) {
        // The first unit still has most of its megabyte queued ahead of any reply; a new one
        // floods the write from its own probe on.
        button("cmdConnect")->click();
        if (!connectUnit(plan.faults, plan.unitSet)) return false;
    }
    w->applyConfiguration(plan.toWrite);
    w->selectPage(plan.writeFromPage);
    Run written;
    if (!runProcedure(true, written)) return false;
    SOAK_SAME(w->configuration(), plan.toWrite);  // a write changes nothing in the window
    SOAK_CHECK(w->currentPage() == plan.writeFromPage);
    const bool refused = kind == Fault::Silent || kind == Fault::Garbage ||
                         (plan.mayMissProbe() && !written.boxes.isEmpty());
    if (refused) {
        SOAK_CHECK(written.boxes.size() == 1);
        SOAK_CHECK(settle(written, 1) == 1);
        SOAK_CHECK(written.progressShown == 0);
        SOAK_SAME(unitConfiguration(), plan.unitSet);
    } else if (plan.writeDropsAfter > 0) {
        SOAK_CHECK(written.boxes.size() == 1);
        checkLinkLost();
        checkPartialWrite(plan);
    } else {
        // Runs through: no box, all 99 commands, and the unit stores them unless it only
        // answers probes. The last setting may still be on its way when the tool is done.
        SOAK_CHECK(written.boxes.isEmpty());
        SOAK_CHECK(written.progressShown == 1 && written.progressLast == 100);
        SOAK_CHECK(settle(written, Exchanges) == Exchanges);
        SOAK_SAME(unitConfiguration(), kind == Fault::ProbeOnly ? plan.unitSet : plan.toWrite);
    }
    if (plan.writeDropsAfter < 0) checkLinkAlive();
    return true;
}

// The unit stored exactly the settings it took before the line went.
void tst_soak::checkPartialWrite(const Plan& plan) {
    const int taken = plan.writeDropsAfter;
    const ConfigurationSet& toWrite = plan.toWrite;
    const ConfigurationSet& unitSet = plan.unitSet;
    const ConfigurationSet now = unitConfiguration();
    SOAK_CHECK(now.slaveId == (SlaveIdCommand <= taken ? toWrite : unitSet).slaveId);
    SOAK_CHECK(now.channelEnable == (FlagsCommand <= taken ? toWrite : unitSet).channelEnable);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        SOAK_CHECK(now.phoneNo[k] ==
                   (FirstPhoneCommand + k <= taken ? toWrite : unitSet).phoneNo[k]);
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        SOAK_CHECK(now.channelMessage[i] ==
                   (FirstMessageCommand + i <= taken ? toWrite : unitSet).channelMessage[i]);
}

// Disconnects, or reconnects to a new unit after a dropped line, and checks the window is back
// to its unconnected state.
bool tst_soak::disconnectUnit(const Plan& plan) {
    if (port()->isOpen()) button("cmdConnect")->click();
    if (plan.readDropsAfter >= 0 || plan.writeDropsAfter > 0) {
        if (!connectUnit(UnitFaults{}, plan.unitSet)) return false;
        button("cmdConnect")->click();
    }
    SOAK_CHECK(!port()->isOpen());
    SOAK_CHECK(lamp() == Black);
    SOAK_CHECK(button("cmdConnect")->text() == QStringLiteral("Connect"));
    SOAK_CHECK(!widget("FrameFunction")->isEnabled());
    return true;
}

void tst_soak::faultCycles() {
    const quint32 seed = qEnvironmentVariableIsSet("QX_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("QX_SOAK_SEED"))
                             : DefaultSeed;
    qInfo("soak seed %u", seed);
    defaultHandler = qInstallMessageHandler(quietHandler);
    rng.seed(seed);
    w = std::make_unique<frmMain>();
    w->setProtocolInterval(IntervalMs);
    w->show();
    catcher = std::make_unique<BoxCatcher>();
    watch = std::make_unique<ProgressWatch>();

    std::array<int, FaultKinds> byKind{};
    int correct = 0;
    qint64 rssFirst = -1;
    int fdsFirst = -1;
    bool hung = false;
    for (cycleNo = 0; cycleNo < Cycles && !hung; ++cycleNo) {
        const auto kind = Fault(rng.bounded(FaultKinds));
        ++byKind[size_t(kind)];
        hung = !cycle(kind);
        correct += !hung && !cycleFailed;
        unit.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (cycleNo == 0) {
            rssFirst = residentKb();
            fdsFirst = openFds();
        }
    }
    const int ran = cycleNo;
    const qint64 rssLast = residentKb();
    const int fdsLast = openFds();
    const qint64 peak = peakResidentKb();

    QStringList kinds;
    for (int k = 0; k < FaultKinds; ++k)
        kinds << QStringLiteral("%1 %2")
                     .arg(QLatin1String(FaultNames[size_t(k)]))
                     .arg(byKind[size_t(k)]);
    qInfo(
        "soak: %d cycles (seed %u); faults: %s; outcomes correct %d/%d; peak RSS %lld kB "
        "(%lld kB after cycle 1, %lld kB at the end); open fds %d after cycle 1, %d at the end",
        ran, seed, qPrintable(kinds.join(", ")), correct, ran, peak, rssFirst, rssLast, fdsFirst,
        fdsLast);

    catcher.reset();
    watch.reset();
    w.reset();
    qInstallMessageHandler(defaultHandler);
    for (const QString& failure : std::as_const(failures))
        qWarning("%s", qPrintable(failure));
    QVERIFY2(failures.isEmpty(),
             qPrintable(QStringLiteral("%1 failed checks, listed above").arg(failures.size())));
    QCOMPARE(ran, Cycles);
    for (int k = 0; k < FaultKinds; ++k)
        QVERIFY2(byKind[size_t(k)] > 0, FaultNames[size_t(k)]);  // the seed covers every kind
    QCOMPARE(fdsLast, fdsFirst);
    QVERIFY(rssFirst > 0);
    QVERIFY2(
        rssLast <= rssFirst + RssMarginKb,
        qPrintable(
            QStringLiteral("%1 kB after cycle 1, %2 kB at the end").arg(rssFirst).arg(rssLast)));
}

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
