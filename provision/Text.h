// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace provision {

// The one translation context of the provisioning libraries (units, sheets, runs, the station):
// every text of the library is looked up, and kept in the catalogue, under "provision".
class Text {
    Q_DECLARE_TR_FUNCTIONS(provision)
};

}  // namespace provision
