// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/ConfigurationSet.h"

namespace fixtures {

// A configuration where every value differs from filled() with another tag. Texts carry what
// escaping must survive; the record file cannot carry a double quote, so `quote` is optional.
inline ConfigurationSet filled(const QString& tag, int slaveId, bool quote = false) {
    ConfigurationSet set;
    set.slaveId = slaveId;
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k)
        set.phoneNo[k] = QStringLiteral("%1%2").arg(tag.left(3)).arg(k + 1);
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        set.channelEnable[i] = (i + slaveId) % 3 == 0 ? FlagTrue : FlagFalse;
        set.channelMessage[i] = QStringLiteral("%1 %2").arg(tag).arg(i + 1);
    }
    set.channelMessage[8] = tag + QStringLiteral("\r\nline two \u00e9\u20ac");
    if (quote) set.channelMessage[9] = tag + QStringLiteral(" \"quoted\" \\ \t");
    return set;
}

}  // namespace fixtures
