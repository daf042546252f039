// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration a simulated unit holds until told otherwise: a few numbers and messages
// spread over the pages, one with a line break and one with a character above 0x7F.
#include "tools/unitsim/UnitSimulator.h"

ConfigurationSet UnitSimulator::sampleConfiguration() {
    ConfigurationSet set;
    set.slaveId = 5;
    set.setPhoneNo(0, QStringLiteral("911234567890"));
    set.setPhoneNo(1, QStringLiteral("441632960123"));
    set.setPhoneNo(31, QStringLiteral("15550100"));
    const struct {
        int channel;
        const char16_t* message;
    } channels[] = {
        {1, u"Door open"},          {2, u"Window open"},    {9, u"Smoke alarm\r\nFloor 2"},
        {17, u"Température haute"}, {64, u"Power failure"},
    };
    for (const auto& c : channels) {
        set.channelEnable[c.channel - 1] = FlagTrue;
        set.channelMessage[c.channel - 1] = QString::fromUtf16(c.message);
    }
    set.channelMessage[2] = QStringLiteral("Spare input (disabled)");
    return set;
}
