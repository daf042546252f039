// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text on the wire and in configuration files is Windows-1252, one byte per character.
// Every byte 0-255 decodes to one character and encodes back to the same byte.
namespace codepage {
QByteArray encode(const QString& text);  // characters the code page lacks become 0x1A
QString decode(QByteArrayView bytes);
bool canEncode(const QString& text);
}  // namespace codepage
