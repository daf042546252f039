// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QComboBox>
#include <QPalette>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <memory>

#include "device/TrafficLog.h"
#include "journal/Journal.h"
#include "tests/WindowControls.h"
#include "tools/unitsim/UnitSimulator.h"
#include "ui/mainwindow/frmMain.h"

namespace testsupport {

// A shown main window, the simulated unit on a pseudo-terminal holding `unitSet`, and on asking
// a journal and a traffic log of their own in a temporary folder.
struct WindowRig {
    enum Part { WithJournal = 1, WithLog = 2 };
    explicit WindowRig(const ConfigurationSet& unitSet = UnitSimulator::sampleConfiguration(),
                       int parts = 0) {
        unit.setConfiguration(unitSet);
        unit.open();
        if (parts & WithJournal) {
            journal::Target target;
            target.kind = journal::Target::Kind::Sqlite;
            target.path = dir.filePath(QStringLiteral("journal.sqlite"));
            journal = std::make_unique<journal::Journal>(target, target);
            journal->open();
            w.setJournal(journal.get());
        }
        if (parts & WithLog) {
            log.open(dir.filePath(QStringLiteral("traffic.log")));
            w.setTrafficLog(&log);
        }
        w.show();
    }

    QColor lamp() const { return control(&w, "shpComm")->palette().color(QPalette::Window); }
    QPushButton* button(const char* name) const { return control<QPushButton>(&w, name); }
    bool functionsEnabled() const { return control(&w, "FrameFunction")->isEnabled(); }
    QSerialPort* port() const { return w.findChild<QSerialPort*>(QStringLiteral("cm")); }
    // Connects through the port box as a user would, by default to the unit; true when the
    // window then shows a link.
    bool connectTo(int interval, const QString& text = {}) {
        w.setProtocolInterval(interval);
        control<QComboBox>(&w, "cmbComm")->setEditText(text.isEmpty() ? unit.slavePath() : text);
        button("cmdConnect")->click();
        return lamp() == QColor(0, 255, 0) && button("cmdConnect")->text() == "Disconnect" &&
               functionsEnabled() && port()->isOpen();
    }

    QTemporaryDir dir;
    UnitSimulator unit;
    std::unique_ptr<journal::Journal> journal;  // outlives the window, which records into it
    TrafficLog log;
    frmMain w;
};

}  // namespace testsupport
