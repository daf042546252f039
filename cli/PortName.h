// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cli {

// The device a -p argument names. "COM 3" and "COM3" name the port the window lists as
// "COM 3" (COM3 on Windows, /dev/ttyS2 elsewhere); any other text is a device name as given.
QString deviceForPort(const QString& given);

}  // namespace cli
