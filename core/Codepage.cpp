// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* CodepageName = "windows-1252";
}

namespace codepage {

QByteArray encode(const QString& text) {
    QStringEncoder encoder(CodepageName);
    return encoder.encode(text);
}

QString decode(QByteArrayView bytes) {
    QStringDecoder decoder(CodepageName);
    return decoder.decode(bytes);
}

bool canEncode(const QString& text) {
    QStringEncoder encoder(CodepageName);
    const QByteArray bytes = encoder.encode(text);
    // One byte per character: a lone surrogate is dropped without an error, so count as well.
    return !encoder.hasError() && bytes.size() == text.size();
}

}  // namespace codepage
