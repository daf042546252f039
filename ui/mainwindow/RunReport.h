// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTime>

#include "ui/mainwindow/RunEnd.h"

namespace safety {

// What the window knows of its port and journal when a run ends, beside the run itself.
struct RunContext {
    QString port;
    int intervalMs = 0;
    QString lostReason;  // the last line loss: why and when
    QTime lostAt;
    bool journalOn = false;
    bool journalWarned = false;  // it has reported a failure in this run of the program
    bool backUpBefore = false;   // the Unit menu's option
    bool fastLink = false;
};

// What the window says when a run ends: the status bar's text and which box, with its texts. It
// has no widgets, so every wording is tested directly; the window only shows what it says.
class RunReport {
    Q_DECLARE_TR_FUNCTIONS(frmMain)

public:
    enum class Box {
        None,           // the window and the status bar say it
        LogFailed,      // the traffic log could not be written
        Communication,  // no unit, a late unit or a lost line
        BackupFailed,   // a write refused, its backup failed
        RefusedRead,    // a whole read whose replies could not be trusted
        Differences,    // the compare dialog lists them
        Result,         // a box with the status text
    };

    RunReport(RunEnd end, RunContext context) : end(std::move(end)), context(std::move(context)) {}

    // A read into the window that brought nothing it may show: no unit, or replies that came
    // late or were not of their items' form.
    static bool readRefused(const RunEnd& end);
    // What the question asked when the window is closed during a run says.
    static QString closeQuestion(bool writing);

    QString statusText() const;
    Box box() const;
    QString boxName() const;  // the box's object name
    QString title() const;
    QString text() const;
    QString informativeText() const;
    bool warning() const;  // the box's icon
    // A late unit is read right at its own pace: the box offers that instead.
    bool offersOwnPace() const;
    QString unitName() const;  // the compare dialog's name for the unit

private:
    RunEnd end;
    RunContext context;
    bool unreachable() const;
    QString advice() const;  // where it failed and what to try
    QString writeText() const;
    QString keptText() const;  // what a write kept of what the unit held
    QString checkedText() const;
    QString unitPhrase() const;  // the unit in a sentence, where a file's name may stand
};

}  // namespace safety
