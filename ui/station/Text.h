// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace station {

// The one translation context of the station window's library: its texts are looked up, and
// kept in the catalogue, under "station".
class Text {
    Q_DECLARE_TR_FUNCTIONS(station)
};

}  // namespace station
