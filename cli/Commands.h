// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

struct ConfigDocument;
namespace journal {
struct Target;
struct Record;
}  // namespace journal

// One function per quellix-cli command. Each gets a command line whose options and file
// count are already checked against the command table; what only makes sense for that command
// (a port named twice, an interval that is no number) is checked here, before anything is sent.
namespace cli {

struct Invocation {
    QString command;
    QStringList files;
    QStringList ports;        // devices, "COM 3" already mapped
    QString output;           // read: -o
    QString log;              // --log, empty when not given
    QString interval;         // --interval as given
    QString pace;             // --pace as given, empty when not given
    QStringList assignments;  // write: --set NAME=VALUE, in the order given
    QStringList sheets;       // write: --sheet (one is allowed)
    bool backup = false;      // write: --backup, or --backup-dir
    QString backupDir;
    bool changedOnly = false;
    QString from;  // restore: the record's number as given
    bool noBackup = false;
    bool force = false;
    bool json = false;
    bool verify = false;
    bool quiet = false;
    // The journal: where (empty: QUELLIX_JOURNAL or the default), and the journal command's
    // options as given.
    QString journal;
    bool noJournal = false;
    QString action, since, limit, show;
    bool changes = false;  // journal --show: the record's changes instead of its configuration
    bool csv = false;
    bool sync = false;
    // The station's options as given.
    QStringList watch;
    QString count;
    bool noBell = false;
};

int listPorts(const Invocation& line);
int showFile(const Invocation& line);
int diffFiles(const Invocation& line);
int readUnits(const Invocation& line);
int writeUnits(const Invocation& line);
int verifyUnits(const Invocation& line);
int restoreUnit(const Invocation& line);
int showJournal(const Invocation& line);
int runStation(const Invocation& line);

// The lines `show` prints for a configuration.
QStringList showLines(const ConfigDocument& doc);

// The configuration of journal record `idText` (given with `option`) in the journal `target`,
// opened read-only, checked as strictly as a file before anyone writes it to a unit; Done, or
// the exit code having said why not.
int recordDocument(const journal::Target& target, const QString& option, const QString& idText,
                   ConfigDocument* doc, journal::Record* source = nullptr);

}  // namespace cli
