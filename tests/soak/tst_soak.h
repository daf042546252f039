// SPDX-License-Identifier: GPL-3.0-or-later
// The fault-injection soak through the main window; its cycles in tst_soak.cpp, the checks of
// what each procedure left in SoakChecks.cpp.
#pragma once

#include <QPushButton>
#include <QSerialPort>
#include <QStandardPaths>
#include <QtTest>

#include <array>
#include <memory>

#include "tests/WindowControls.h"
#include "tests/soak/SoakParts.h"
#include "ui/mainwindow/frmMain.h"

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
    using Fault = soak::Fault;
    using Run = soak::Run;
    // What the whole run found, for its summary line and its last checks.
    struct Tally {
        std::array<int, soak::FaultKinds> byKind{};
        int ran = 0;
        qint64 rssFirst = -1;
        int fdsFirst = -1;
    };
    QColor lamp() const { return widget("shpComm")->palette().color(QPalette::Window); }
    QWidget* widget(const char* name) const { return control(w.get(), name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(w.get(), name); }
    QSerialPort* port() const { return w->findChild<QSerialPort*>(QStringLiteral("cm")); }
    bool connectUnit(const UnitFaults& faults, const ConfigurationSet& set);
    bool runProcedure(bool write, Run& run);
    QList<QWidget*> lockedControls() const;
    void checkAfterProcedure(bool write, const Run& run);
    Tally runCycles();
    void summarise(quint32 seed, const Tally& tally);
    qsizetype settle(const Run& run, qsizetype expected);
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
    bool disconnectUnit(const Plan& plan);
    void checkLink(bool alive);
    void check(bool ok, const char* what, int line);
    void sameSet(const ConfigurationSet& got, const ConfigurationSet& want, const char* what,
                 int line);

    std::unique_ptr<frmMain> w;
    std::unique_ptr<soak::UnitOnThread> unit;
    qsizetype unitCommands() {
        return unit->call([](UnitSimulator& u) { return u.commands().size(); });
    }
    ConfigurationSet unitConfiguration() {
        return unit->call([](UnitSimulator& u) { return u.configuration(); });
    }
    std::unique_ptr<soak::BoxCatcher> catcher;
    QRandomGenerator rng;
    int cycleNo = 0;
    Fault fault = Fault::None;
    QStringList failures;
};

#define SOAK_CHECK(cond) check(bool(cond), #cond, __LINE__)
#define SOAK_SAME(got, want) sameSet(got, want, #got " == " #want, __LINE__)
