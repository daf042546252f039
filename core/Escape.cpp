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
    for (const QChar c : text)
        out += c.isPrint() ? QString(c) : unicodeEscape(c);
    return out;
}

}  // namespace escape
