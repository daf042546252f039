// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "provision/UnitValues.h"

namespace provision {

struct Cell;

// One unit's row: the port it is for and its non-empty cells as assignments.
struct SheetRow {
    int line = 0;  // where the row starts, 1-based
    QString port;
    QList<Assignment> assignments;
};

// A serial port as the command line gives it, and the USB serial number it reports (if any).
struct PortIdentity {
    QString path;
    QString serialNumber;
};

// Which row each port gets. Refused: a port no row matches, and a port several rows match.
struct SheetMatch {
    QList<int> rowOfPort;  // per port given, an index into rows(); -1 where refused
    QStringList errors;    // one per refused port
    // Rows for ports that were not given, to report: a line each for a few, one line for many.
    QStringList unusedRows;
    bool ok() const { return errors.isEmpty(); }
};

// Per-unit values as a CSV file (RFC 4180, UTF-8): a header row whose first cell is "port" and
// whose other cells are names (see UnitValues.h), then one row per unit. An empty cell keeps the
// template's value. Everything is checked while reading, so a sheet that parses can be applied
// to every unit without a refusal half-way through a batch.
class Sheet {
public:
    // A sheet is a few kilobytes; the same bound as a configuration file.
    static constexpr qsizetype MaxBytes = 4 * 1024 * 1024;
    // More remarks or rows left out than this are summed up in one line.
    static constexpr int MaxListed = 5;

    // `name` is how messages call the file ("UNITS.csv line 3, column 2: ...").
    static Sheet parse(const QByteArray& bytes, const QString& name);
    // `path` "-" reads standard input.
    static Sheet load(const QString& path);

    bool ok() const { return problem.isEmpty(); }
    QString error() const { return problem; }
    QString name() const { return source; }
    // Remarks on values that are used nonetheless (a text longer than the window's editor):
    // the first few, then one line for the rest.
    QStringList notes() const;
    const QList<SheetRow>& rows() const { return entries; }

    // A row's port matches a port by its device path, the path's last part ("ttyUSB0") or the
    // USB serial number.
    SheetMatch match(const QList<PortIdentity>& ports) const;
    // The one row for `port`, or -1 with why not. Looked up, so a station with a large sheet
    // does not walk it for every unit.
    int rowFor(const PortIdentity& port, QString* why) const;

private:
    QString header(const QList<Cell>& cells);
    QString addRow(const QList<Cell>& cells, const QStringList& names);
    QList<int> rowsMatching(const PortIdentity& port) const;
    QString unmatched(const PortIdentity& port, const QList<int>& rows) const;
    QStringList leftOut(const QList<int>& rows) const;

    QString source;
    QString problem;
    QStringList remarks;
    int remarksNotListed = 0;
    QList<SheetRow> entries;
    QHash<QString, int> rowOfKey;  // a row's port cell -> its index
};

}  // namespace provision
