// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

#include "core/ConfigurationSet.h"

// The unit's command set: every command's bytes and every reply's acceptance rules.
// Pure functions, no I/O; texts travel as Windows-1252.
namespace commandset {

using EnableFlags = std::array<qint16, ConfigurationSet::ChannelCount>;  // -1 / 0

inline constexpr char CR = '\r';
inline constexpr int ModelTextLength = 10;
inline constexpr int EnableReplyLength = 18;

// A number 0..255 as two upper-case hex digits ("00".."FF").
QByteArray hex2(int value);
// Value of the hex pair at the start of `pair`: either case, stops at the first non-digit,
// 0 when the first character is not a hex digit.
int hexPair(QByteArrayView pair);

// Commands, terminator included.
QByteArray probe();                                     // "?" CR
QByteArray querySlaveId();                              // "?A" CR
QByteArray queryEnableFlags();                          // "?E" CR
QByteArray queryPhoneNo(int slot);                      // "?P" slot CR
QByteArray queryMessage(int index);                     // "?M" index CR
QByteArray setSlaveId(int id);                          // "&A" id CR
QByteArray setEnableFlags(const EnableFlags& flags);    // "&E" 16 hex CR
QByteArray setPhoneNo(int slot, const QString& text);   // "&P" slot text NUL CR
QByteArray setMessage(int index, const QString& text);  // "&M" index text NUL CR

// The 8 bitmap bytes as 16 hex characters, and back (bitmap = 16 characters).
QByteArray bitmapHex(const EnableFlags& flags);
EnableFlags flagsFromBitmap(QByteArrayView bitmapHex16);

// Replies. nullopt means the reply is not accepted.
std::optional<QString> probeModel(QByteArrayView reply);  // ">" + up to 10 characters
// "A" + two hex digits (either case) below 0x20; what follows is not looked at.
std::optional<int> slaveIdReply(QByteArrayView reply);
// Exactly 18 characters, 2 to 17 hex digits; the first and the last are not looked at here.
std::optional<EnableFlags> enableFlagsReply(QByteArrayView reply);
QString textReply(QByteArrayView reply);  // "?P" / "?M": character 4 on, may be empty
// Whether a phone number or message the unit sent could be sent back to it: the line ends a
// text setting at NUL CR, so a text holding that pair is no value the unit can hold.
bool textCarried(QByteArrayView text);
QString settingReply(QByteArrayView reply);  // the whole reply, for display

// What a reply says it answers: "A" or "E", or "P"/"M" with its two-digit field in upper case
// ("P05"). Empty when it starts with none of those.
QByteArray replyTag(QByteArrayView reply);
// The tag a reply to `query` (a query command, "?P05" CR) carries: "P05". Empty for the probe.
QByteArray expectedTag(QByteArrayView query);

}  // namespace commandset
