// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;
namespace journal {
struct PortIdentity;
struct Record;
}  // namespace journal

namespace history {

// What tells the unit on `port` (behind `here`, saying it is a `model`; empty: not known yet)
// apart from the one `source` was kept from, a line each; empty when nothing does.
QStringList restoreDifferences(const journal::Record& source, const QString& port,
                               const journal::PortIdentity& here, const QString& model);

// Asks whether `name` goes onto a unit that differs from the one it was kept from; No unless
// the technician says otherwise, as writing another unit's settings is seldom meant.
bool confirmRestore(QWidget* parent, const QString& name, const QStringList& differences);

// Says why a restore cannot start now.
void refuseRestore(QWidget* parent, const QString& why);

}  // namespace history
