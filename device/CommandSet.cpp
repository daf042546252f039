// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CommandSet.h"

#include <QtGlobal>

#include "core/Codepage.h"

namespace commandset {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr char NUL = '\0';

// -1 when `c` is not a hex digit.
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

QByteArray command(const char* name, QByteArrayView fields = {}) {
    QByteArray bytes(name);
    bytes.append(fields);
    bytes.append(CR);
    return bytes;
}

QByteArray textSetting(const char* name, int field, const QString& text) {
    QByteArray bytes(name);
    bytes.append(hex2(field));
    bytes.append(codepage::encode(text));
    bytes.append(NUL);
    bytes.append(CR);
    return bytes;
}

}  // namespace

QByteArray hex2(int value) {
    // The wire field is always two characters; a value outside a byte is pinned to the
    // nearest end rather than spilling into a third digit or a sign.
    const int byte = qBound(0, value, 255);
    QByteArray pair(2, '0');
    pair[0] = HexDigits[byte >> 4];
    pair[1] = HexDigits[byte & 0x0F];
    return pair;
}

int hexPair(QByteArrayView pair) {
    int value = 0;
    for (qsizetype i = 0; i < 2 && i < pair.size(); ++i) {
        const int digit = hexDigit(pair[i]);
        if (digit < 0) break;
        value = value * 16 + digit;
    }
    return value;
}

QByteArray probe() {
    return command("?");
}
QByteArray querySlaveId() {
    return command("?A");
}
QByteArray queryEnableFlags() {
    return command("?E");
}
QByteArray queryPhoneNo(int slot) {
    return command("?P", hex2(slot));
}
QByteArray queryMessage(int index) {
    return command("?M", hex2(index));
}
QByteArray setSlaveId(int id) {
    return command("&A", hex2(id));
}
QByteArray setEnableFlags(const EnableFlags& flags) {
    return command("&E", bitmapHex(flags));
}

QByteArray setPhoneNo(int slot, const QString& text) {
    return textSetting("&P", slot, text);
}

QByteArray setMessage(int index, const QString& text) {
    return textSetting("&M", index, text);
}

QByteArray bitmapHex(const EnableFlags& flags) {
    QByteArray hex;
    hex.reserve(16);
    for (int k = 0; k < 8; ++k) {
        int byte = 0;
        for (int j = 7; j >= 0; --j) {
            byte *= 2;
            if (flags[8 * k + j] == FlagTrue) byte += 1;
        }
        hex.append(hex2(byte));
    }
    return hex;
}

EnableFlags flagsFromBitmap(QByteArrayView bitmapHex16) {
    EnableFlags flags{};
    for (int k = 0; k < 8; ++k) {
        // A pair beyond the end of a short bitmap reads as 0, like any non-hex pair.
        const qsizetype at = 2 * k;
        int byte = at < bitmapHex16.size() ? hexPair(bitmapHex16.sliced(at)) : 0;
        for (int j = 0; j < 8; ++j) {
            flags[8 * k + j] = (byte % 2 == 1) ? FlagTrue : FlagFalse;
            byte /= 2;
        }
    }
    return flags;
}

std::optional<QString> probeModel(QByteArrayView reply) {
    if (reply.isEmpty() || reply[0] != '>') return std::nullopt;
    return codepage::decode(
        reply.sliced(1).first(qMin<qsizetype>(reply.size() - 1, ModelTextLength)));
}

std::optional<int> slaveIdReply(QByteArrayView reply) {
    // "AZZ" or a bare "A" would otherwise read as slave 0, a value the unit never gave.
    if (reply.size() < 3 || reply[0] != 'A' || hexDigit(reply[1]) < 0 || hexDigit(reply[2]) < 0)
        return std::nullopt;
    const int value = hexPair(reply.sliced(1));
    if (value >= ConfigurationSet::SlaveIdCount) return std::nullopt;
    return value;
}

std::optional<EnableFlags> enableFlagsReply(QByteArrayView reply) {
    if (reply.size() != EnableReplyLength) return std::nullopt;
    // A pair that is not hex would read as eight channels off.
    for (const char c : reply.sliced(1, 16))
        if (hexDigit(c) < 0) return std::nullopt;
    return flagsFromBitmap(reply.sliced(1, 16));
}

QString textReply(QByteArrayView reply) {
    if (reply.size() < 4) return QString();
    return codepage::decode(reply.sliced(3));
}

bool textCarried(QByteArrayView text) {
    return !text.contains(QByteArrayView("\0\r", 2));
}

QString settingReply(QByteArrayView reply) {
    return codepage::decode(reply);
}

QByteArray replyTag(QByteArrayView reply) {
    if (reply.isEmpty()) return {};
    const char letter = reply[0];
    if (letter == 'A' || letter == 'E') return QByteArray(1, letter);
    if ((letter != 'P' && letter != 'M') || reply.size() < 3) return {};
    if (hexDigit(reply[1]) < 0 || hexDigit(reply[2]) < 0) return {};
    return letter + hex2(hexPair(reply.sliced(1)));
}

QByteArray expectedTag(QByteArrayView query) {
    if (query.endsWith(CR)) query.chop(1);
    if (query.size() < 2 || query[0] != '?') return {};
    return query.sliced(1).toByteArray();
}

}  // namespace commandset
