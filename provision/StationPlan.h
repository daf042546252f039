// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "configfile/ConfigDocument.h"
#include "provision/Sheet.h"
#include "provision/UnitRun.h"
#include "provision/UnitValues.h"

namespace provision {

// What a station does to every unit: one file written, each unit with its own values over it.
struct StationPlan {
    RunInput task;               // a write of the file, backup and verify as asked, journaled
    std::optional<Sheet> sheet;  // a row of values per unit, if one was given
    QList<Assignment> common;    // values for every unit, laid over the sheet's
    QString stopReason;          // what the journal says of a run cut short

    // The document for one port (the file, its sheet row, then the common values), or
    // nothing with `why`: the sheet has no row or several for it, or a phone the file lacks.
    // `line` gets the sheet row's line, 0 without a sheet.
    std::optional<ConfigDocument> documentFor(const QString& port, QString* why,
                                              int* line = nullptr) const;
};

// A port by its path and the USB serial number it reports, as a sheet's rows name units.
PortIdentity identityOf(const QString& port);

// `document` with a sheet row and then the common values laid over it, every one already
// checked (a sheet that parsed, assignments that check() accepted).
ConfigDocument withValues(ConfigDocument document, const QList<Assignment>& row,
                          const QList<Assignment>& common);

// Empty, or why a value cannot be used: a file with phones 1-16 keeps each unit's 17-32, so a
// value for one of those would be lost.
QString phoneOutsideFile(const QList<Assignment>& assignments, const RunInput& task);

}  // namespace provision
