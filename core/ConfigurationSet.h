// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// Flags keep the unit's convention everywhere: -1 is enabled, 0 disabled, and only -1 counts as
// set.
inline constexpr qint16 FlagTrue = -1;
inline constexpr qint16 FlagFalse = 0;

// Everything the tool knows about one unit, as a plain value that the file and device layers
// exchange with the main window. The window's form keeps the slave ID and the phone numbers in
// its controls and the channels in a set of its own; MainForm::configuration() and
// applyConfiguration() convert between the two.
struct ConfigurationSet {
    static constexpr int SlaveIdCount = 32;
    static constexpr int PhoneCount = 32;
    static constexpr int PhoneMaxLength = 15;
    static constexpr int ChannelCount = 64;
    static constexpr int MessageMaxLength = 160;

    int slaveId = 0;  // 0..31; -1 while the slave ID box shows text that matches no entry
    std::array<QString, PhoneCount> phoneNo;
    std::array<qint16, ChannelCount> channelEnable{};
    std::array<QString, ChannelCount> channelMessage;

    // Kept whole: units keep what they are sent, so a backup must restore a longer number. Only
    // the window's phone box stops at PhoneMaxLength characters.
    void setPhoneNo(int k, const QString& text) { phoneNo[k] = text; }
    bool enabled(int index) const { return channelEnable[index] == FlagTrue; }
    // The line ends a text setting at NUL CR, so a text holding that pair would reach the
    // unit cut short and the rest would be taken for commands.
    static bool cutOnTheLine(const QString& text) { return text.contains(QStringView(u"\0\r", 2)); }

    friend bool operator==(const ConfigurationSet&, const ConfigurationSet&) = default;
};
