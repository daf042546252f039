// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Escape.h"

#include <QStringList>
#include <array>
#include <utility>

namespace escape {

namespace {

QString unicodeEscape(QChar c) {
    return QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
}

// The controls JSON has an escape of its own for; the others become \uXXXX.
constexpr std::array<std::pair<char16_t, const char*>, 5> Named{{
    {u'\r', "\\r"},
    {u'\n', "\\n"},
    {u'\t', "\\t"},
    {u'\b', "\\b"},
    {u'\f', "\\f"},
}};

QString escapeOf(QChar c) {
    for (const auto& [control, text] : Named)
        if (c == control) return QLatin1String(text);
    return unicodeEscape(c);
}

// Qt counts these as printable, but a label starts a new line at each.
bool breaksLine(QChar c) {
    return c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
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
        if (isControl(c))
            out += escapeOf(c);
        else
            out += c;
    }
    return out;
}

QString controlsKeepingLines(QStringView text) {
    QStringList lines;
    for (const QStringView line : text.split(u'\n'))
        lines << controls(line);
    return lines.join(u'\n');
}

QString unprintable(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair && QChar::isPrint(QChar::surrogateToUcs4(c, text[i + 1]))) {
            out += text.mid(i, 2);
            ++i;
        } else if (isControl(c) || !c.isPrint() || breaksLine(c)) {
            out += escapeOf(c);
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace escape
