// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cli {

// The name in `known` closest to a mistyped `word` (a letter wrong, missing, extra or two
// swapped, at most two such slips), or an empty string when none is close enough to be meant.
QString nearestName(const QString& word, const QStringList& known);

}  // namespace cli
