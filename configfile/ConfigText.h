// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace configfile {

// The one translation context of the file formats' texts, shared by the record and JSON
// readers so that a translator sees them together.
class Text {
    Q_DECLARE_TR_FUNCTIONS(configfile)
};

}  // namespace configfile
