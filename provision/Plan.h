// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "configfile/ConfigDocument.h"
#include "provision/StationPlan.h"

namespace provision {

// A write (or verify) of one file to units, as a front end was asked for it: the command line
// fills it from its options, the station window from its boxes. check() finds every problem
// before a port opens, so both refuse the same things for the same reasons.
struct Plan {
    RunInput::Mode mode = RunInput::Mode::Write;
    QString file;  // the configuration file
    // "-" reads standard input, and a name is read whatever it is (a pipe); else only a
    // regular file is taken.
    bool standardInput = false;
    QString sheet;                             // a CSV of values per unit; empty: none
    QStringList values;                        // NAME=VALUE for every unit, over the sheet's row
    QString valuesOrigin;                      // where `values` were given, for messages ("--set")
    QString interval = QStringLiteral("100");  // milliseconds per exchange, as given
    QString pace;                              // "auto", "fixed", or empty for fixed
    bool verify = false;
    bool backup = false;
    QString backupDir;  // where backups are also saved as files; empty: the journal only
    bool changedOnly = false;
    bool journalOn = true;  // whether a backup has a journal to be kept in
    // The ports of a batch, each to get its sheet row now; empty for a station, whose units
    // get theirs as they come.
    QStringList ports;

    // What was wrong, by what it is about, so each front end can say it its own way.
    struct Problem {
        enum class Field {
            Interval,     // not a positive number of milliseconds
            Pace,         // neither auto nor fixed
            Values,       // a value the unit cannot hold, or a phone the file lacks
            Sources,      // the file and the sheet both from standard input
            ChangedOnly,  // changed settings only, without a backup to compare with
            Journal,      // a backup with nowhere to keep it
            File,         // the configuration file
            Sheet,        // the sheet, or a port's row in it
            BackupFolder  // the backup folder
        };
        Field field;
        QString subject;  // the file or folder it is about (shown as given); empty: none
        QString text;     // why, naming what it is about unless `subject` does
    };

    // What check() found: every problem, and when there is none, what the runs need.
    struct Checked {
        QList<Problem> problems;
        QStringList notes;  // about values used nonetheless, each naming its source
        StationPlan plan;   // the runs' input, the sheet and the common values
        // With `ports`: each port's own document, in their order, when a sheet or values
        // make them differ; empty when every port gets the file as it is.
        QList<ConfigDocument> portDocuments;
        bool ok() const { return problems.isEmpty(); }
    };

    // Reads the file and the sheet (never when the settings themselves are wrong, as a
    // mistaken command line must not wait for standard input).
    Checked check() const;
};

// The interval and pace of `plan`, as every run on units needs them, into `task`; the problems
// found.
QList<Plan::Problem> checkLink(const Plan& plan, RunInput* task);

}  // namespace provision
