// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace device {

// The one translation context of the device library: every text of the library is looked up, and
// kept in the catalogue, under "device".
class Text {
    Q_DECLARE_TR_FUNCTIONS(device)
};

}  // namespace device
