// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/Reason.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>
#include <optional>
#include <utility>

namespace journal {

namespace {

// The library's one translation context (see journal/Text.h).
constexpr char Context[] = "journal";

constexpr std::array<std::pair<const char*, const char*>, 20> Texts{{
    {"cannot-open", QT_TRANSLATE_NOOP("journal", "cannot open: %1")},
    {"port-busy", QT_TRANSLATE_NOOP("journal", "the line is not open or is busy")},
    {"no-unit", QT_TRANSLATE_NOOP("journal", "no unit answered")},
    {"no-unit-probe", QT_TRANSLATE_NOOP("journal", "no unit answered the probe")},
    {"late-unit",
     QT_TRANSLATE_NOOP("journal",
                       "the unit answers late: about %1 ms after each command, where the link "
                       "waits %2 ms")},
    {"line-lost", QT_TRANSLATE_NOOP("journal", "the line was lost")},
    {"line-lost-why", QT_TRANSLATE_NOOP("journal", "the line was lost (%1)")},
    {"log-failed",
     QT_TRANSLATE_NOOP("journal", "the log could not be written (%1); nothing more was sent")},
    {"stopped", QT_TRANSLATE_NOOP("journal", "stopped")},
    {"during-write",
     QT_TRANSLATE_NOOP("journal", " during the write; the unit may hold part of it")},
    {"interrupted", QT_TRANSLATE_NOOP("journal", "interrupted")},
    {"interrupted-write",
     QT_TRANSLATE_NOOP("journal", "interrupted; the unit may hold part of it")},
    {"interrupted-unwritten", QT_TRANSLATE_NOOP("journal", "interrupted; nothing was written")},
    {"backup-not-saved",
     QT_TRANSLATE_NOOP("journal", "cannot save the backup %1: %2; nothing was written")},
    {"not-saved", QT_TRANSLATE_NOOP("journal", "cannot save %1: %2")},
    {"backup-failed", QT_TRANSLATE_NOOP("journal", "the backup read failed: ")},
    {"unwritten", QT_TRANSLATE_NOOP("journal", "; nothing was written")},
    {"verify-failed", QT_TRANSLATE_NOOP("journal", "written, but the verify failed: ")},
    {"verify-failed-after",
     QT_TRANSLATE_NOOP("journal",
                       ". The write itself went through; verify the unit again to know what it "
                       "holds")},
    {"other-model",
     QT_TRANSLATE_NOOP("journal",
                       "the unit says it is %1, the record was kept from %2; nothing was "
                       "written")},
}};

// Earlier wordings of a code's text, as records already kept hold them: they are read back into
// today's text, with the same placeholders in the same order.
constexpr std::array<std::pair<const char*, const char*>, 1> Former{{
    {"other-model",
     "the unit says it is %1, the record was kept from %2; nothing was written (--force writes "
     "it all the same)"},
}};

// The text a table holds for `code`; null when it holds none.
template <std::size_t N>
const char* lookUp(const std::array<std::pair<const char*, const char*>, N>& table,
                   const QString& code) {
    for (const auto& [name, text] : table)
        if (code == QLatin1String(name)) return text;
    return nullptr;
}

// A placeholder of a text, its number captured.
const QRegularExpression& placeholder() {
    static const QRegularExpression expression(QStringLiteral("%([1-9])"));
    return expression;
}

QString filled(const QString& text, const QStringList& args) {
    // One pass, so an argument holding "%2" is not taken for a placeholder.
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : placeholder().globalMatch(text)) {
        out += text.mid(from, m.capturedStart() - from);
        out += args.value(m.captured(1).toInt() - 1);
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}

// Each part's text as a pattern, its placeholders as groups, and which argument each group is.
struct Parts {
    QStringList templates;
    QList<std::pair<int, int>> groups;  // (part, argument index)
    QString pattern;
};

// A text as a pattern: its placeholders as groups, the rest as it stands.
QString patternOf(const QString& source) {
    QString pattern;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : placeholder().globalMatch(source)) {
        pattern += QRegularExpression::escape(source.mid(from, m.capturedStart() - from));
        pattern += QStringLiteral("(.*)");
        from = m.capturedEnd();
    }
    return pattern + QRegularExpression::escape(source.mid(from));
}

std::optional<Parts> partsOf(const QString& code) {
    Parts parts;
    for (const QString& name : code.split(QLatin1Char('+'))) {
        const char* text = lookUp(Texts, name);
        if (!text) return std::nullopt;
        const QString source = QString::fromUtf8(text);
        for (const QRegularExpressionMatch& m : placeholder().globalMatch(source))
            parts.groups.append({int(parts.templates.size()), m.captured(1).toInt() - 1});
        // A branch reset numbers both wordings' groups alike.
        const char* former = lookUp(Former, name);
        parts.pattern += former ? QStringLiteral("(?|%1|%2)")
                                      .arg(patternOf(source), patternOf(QString::fromUtf8(former)))
                                : patternOf(source);
        parts.templates << source;
    }
    return parts;
}

}  // namespace

Reason Reason::of(const char* code, const QStringList& args) {
    const char* source = lookUp(Texts, QString::fromLatin1(code));
    if (!source) return text(args.join(QLatin1Char(' ')));
    return {QLatin1String(code), filled(QString::fromUtf8(source), args),
            filled(QCoreApplication::translate(Context, source), args)};
}

Reason Reason::text(const QString& words) {
    return {QString(), words, words};
}

Reason Reason::then(const Reason& next) const {
    const QString both =
        code.isEmpty() || next.code.isEmpty() ? QString() : code + QLatin1Char('+') + next.code;
    return {both, english + next.english, shown + next.shown};
}

QString shownReason(const QString& code, const QString& english) {
    const std::optional<Parts> parts = code.isEmpty() ? std::nullopt : partsOf(code);
    if (!parts) return english;
    const QRegularExpression whole(QLatin1Char('^') + parts->pattern + QLatin1Char('$'),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = whole.match(english);
    if (!match.hasMatch()) return english;
    QList<QStringList> args(parts->templates.size());
    for (qsizetype g = 0; g < parts->groups.size(); ++g) {
        const auto [part, index] = parts->groups[g];
        QStringList& list = args[part];
        while (list.size() <= index)
            list << QString();
        list[index] = match.captured(int(g + 1));
    }
    QString shown;
    for (qsizetype i = 0; i < parts->templates.size(); ++i)
        shown +=
            filled(QCoreApplication::translate(Context, parts->templates[i].toUtf8().constData()),
                   args[i]);
    return shown;
}

}  // namespace journal
