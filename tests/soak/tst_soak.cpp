// SPDX-License-Identifier: GPL-3.0-or-later
// Fault-injection soak: many cycles of connect, Read from Device and Write to Device in the real
// main window against the simulated unit on a pseudo-terminal, each cycle with a fault picked
// from a seeded generator. Every cycle is checked against what the tool promises the user, and
// at the end memory and file descriptors must be where the first cycle left them.
//
// A failed check does not stop the soak; every failure is listed at the end with its cycle, so
// one run shows whether a fault kind fails always or only now and then. Set QX_SOAK_SEED to
// replay another sequence.
#include "tests/soak/tst_soak.h"

#include <QComboBox>

#include "ui/dialogs/frmProgress.h"

using namespace soak;

void tst_soak::check(bool ok, const char* what, int line) {
    if (ok) return;
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

// Everything that would start another procedure or change the configuration.
QList<QWidget*> tst_soak::lockedControls() const {
    QList<QWidget*> locked{button("cmdDeviceRead"), button("cmdDeviceWrite"), button("cmdConnect"),
                           button("cmdFileLoad"),   button("cmdFileSave"),    widget("cmbSlaveID")};
    for (int s = 0; s < frmMain::Slots; ++s)
        locked << control(w.get(), "chkChEnable", s) << control(w.get(), "cmdEditMsg", s);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        locked << control(w.get(), "cmdEditNo", k);
    return locked;
}

// Clicks Read or Write from Device and waits for the procedure and any box it brings. While it
// runs, every command the unit receives is a moment to look at the controls, and at one of them
// the user tries to start another procedure or to disconnect. False when the tool is hung.
bool tst_soak::runProcedure(bool write, Run& run) {
    const qsizetype boxesBefore = catcher->boxes.size();
    run.sentBefore = unitCommands();
    const int pokeAt = 2 + rng.bounded(Exchanges - 2);
    const QList<QWidget*> locked = lockedControls();
    int seen = 0;
    const QMetaObject::Connection spy =
        connect(unit->unit, &UnitSimulator::commandReceived, this, [&] {
            ++seen;
            if (!w->transferActive()) return;
            for (QWidget* c : locked)
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
    checkAfterProcedure(write, run);
    return true;
}

// The last command may still be on its way to the unit when the tool is done with it.
qsizetype tst_soak::settle(const Run& run, qsizetype expected) {
    (void)QTest::qWaitFor([&] { return unitCommands() - run.sentBefore >= expected; }, SettleMs);
    return unitCommands() - run.sentBefore;
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
    const Plan plan = planCycle(kind);
    if (!connectUnit(plan.faults, plan.unitSet)) return false;
    if (!readFromDevice(plan)) return false;
    if (plan.readDropsAfter < 0 && !writeToDevice(plan)) return false;
    return disconnectUnit(plan);
}

// Disconnects, or reconnects to a new unit after a dropped line and disconnects, so no port
// stays open into the next cycle. (What the window shows once disconnected is
// tst_devicewindow::connectStates'.)
bool tst_soak::disconnectUnit(const Plan& plan) {
    if (port()->isOpen()) button("cmdConnect")->click();
    if (plan.readDropsAfter >= 0 || plan.writeDropsAfter > 0) {
        if (!connectUnit(UnitFaults{}, plan.unitSet)) return false;
        button("cmdConnect")->click();
    }
    SOAK_CHECK(!port()->isOpen());
    return true;
}

// The cycles, each with a fault drawn from the generator, until all ran or one hung.
tst_soak::Tally tst_soak::runCycles() {
    Tally tally;
    bool hung = false;
    for (cycleNo = 0; cycleNo < Cycles && !hung; ++cycleNo) {
        const auto kind = Fault(rng.bounded(FaultKinds));
        ++tally.byKind[size_t(kind)];
        hung = !cycle(kind);
        unit.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (cycleNo == 0) {
            tally.rssFirst = residentKb();
            tally.fdsFirst = openFds();
        }
    }
    tally.ran = cycleNo;
    return tally;
}

void tst_soak::summarise(quint32 seed, const Tally& tally) {
    QStringList kinds;
    for (int k = 0; k < FaultKinds; ++k)
        kinds << QStringLiteral("%1 %2")
                     .arg(QLatin1String(FaultNames[size_t(k)]))
                     .arg(tally.byKind[size_t(k)]);
    qInfo(
        "soak: %d cycles (seed %u); faults: %s; RSS %lld kB after cycle 1, %lld kB at the end; "
        "open fds %d after cycle 1, %d at the end",
        tally.ran, seed, qPrintable(kinds.join(", ")), tally.rssFirst, residentKb(), tally.fdsFirst,
        openFds());
    for (const QString& failure : std::as_const(failures))
        qWarning("%s", qPrintable(failure));
}

void tst_soak::faultCycles() {
    const quint32 seed = qEnvironmentVariableIsSet("QX_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("QX_SOAK_SEED"))
                             : DefaultSeed;
    qInfo("soak seed %u", seed);
    Tally tally;
    qint64 rssLast = -1;
    int fdsLast = -1;
    {
        const QuietLog quiet;
        rng.seed(seed);
        w = std::make_unique<frmMain>();
        w->setProtocolInterval(IntervalMs);
        w->show();
        catcher = std::make_unique<BoxCatcher>();
        tally = runCycles();
        rssLast = residentKb();
        fdsLast = openFds();
        summarise(seed, tally);
        catcher.reset();
        w.reset();
    }
    QVERIFY2(failures.isEmpty(),
             qPrintable(QStringLiteral("%1 failed checks, listed above").arg(failures.size())));
    QCOMPARE(tally.ran, Cycles);
    for (int k = 0; k < FaultKinds; ++k)  // the seed covers every kind
        QVERIFY2(tally.byKind[size_t(k)] > 0, FaultNames[size_t(k)]);
    QCOMPARE(fdsLast, tally.fdsFirst);
    QVERIFY(tally.rssFirst > 0);
    QVERIFY2(rssLast <= tally.rssFirst + RssMarginKb,
             qPrintable(QStringLiteral("%1 kB after cycle 1, %2 kB at the end")
                            .arg(tally.rssFirst)
                            .arg(rssLast)));
}

// What every procedure leaves, whatever its fault: no progress window, only the boxes it may
// bring, and no procedure control usable while it ran. (That the page shows what the window
// holds after each way a procedure ends is tst_devicewindow::transfers'.)
void tst_soak::checkAfterProcedure(bool write, const Run& run) {
    SOAK_CHECK(w->findChildren<frmProgress*>().isEmpty());
    // The communication box, or a read's own when its replies slipped.
    for (const QStringList& box : std::as_const(run.boxes))
        SOAK_CHECK(box == NoDeviceBox ||
                   (!write && box.value(0) == QStringLiteral("Read from Device") &&
                    box.value(2) == NoDeviceBox.value(2)));
    SOAK_CHECK(run.unlockedDuring == 0);
}

QTEST_MAIN(tst_soak)
