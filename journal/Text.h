// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace journal {

// The one translation context of the journal library: every text of the library is looked up, and
// kept in the catalogue, under "journal".
class Text {
    Q_DECLARE_TR_FUNCTIONS(journal)
};

}  // namespace journal
