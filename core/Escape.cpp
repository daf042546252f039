// SPDX-License-Identifier: GPL-3.0-or-later
#include "Escape.h"

namespace escape {

namespace {

QString unicodeEscape(QChar c) {
    return QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
}

}  // namespace

bool isControl(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

QString controls(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!isControl(c)) {
            out += c;
            continue;
        }
        switch (c.unicode()) {
            case u'\r':
                out += QLatin1String("\\r");
                break;
            case u'\n':
                out += QLatin1String("\\n");
                break;
            case u'\t':
                out += QLatin1String("\\t");
                break;
            case u'\b':
                out += QLatin1String("\\b");
                break;
            case u'\f':
                out += QLatin1String("\\f");
                break;
            default:
                out += unicodeEscape(c);
        }
    }
    return out;
}

QString controlsKeepingLines(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QStringView line : text.tokenize(u'\n')) {
        if (!out.isEmpty() || line.data() != text.data()) out += u'\n';
        out += controls(line);
    }
    return out;
}

QString unprintable(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out += c.isPrint() ? QString(c) : unicodeEscape(c);
    return out;
}

}  // namespace escape
