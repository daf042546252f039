// SPDX-License-Identifier: GPL-3.0-or-later
#include "provision/UnitValues.h"

#include <QCoreApplication>

#include "configfile/ConfigJson.h"
#include "configfile/Records.h"
#include "core/Codepage.h"
#include "device/DeviceProcedure.h"
#include "provision/Text.h"

namespace provision {

namespace {

enum class Field { SlaveId, Phone, Enabled, Message };

struct Target {
    Field field;
    int index;  // 0-based slot or channel
};

// low..high written as a plain decimal ("07", "+7" and " 7" are refused, not guessed at).
std::optional<int> number(const QString& digits, int low, int high) {
    bool ok = false;
    const int n = digits.toInt(&ok);
    if (!ok || n < low || n > high || QString::number(n) != digits) return std::nullopt;
    return n;
}

// A 1-based slot or channel in a name, 0-based; -1 when it is none.
int ordinal(const QString& digits, int count) {
    return number(digits, 1, count).value_or(0) - 1;
}

std::optional<Target> target(const QString& name) {
    if (name == QStringLiteral("slave-id")) return Target{Field::SlaveId, 0};
    const QStringList parts = name.split(QLatin1Char('.'));
    if (parts.size() == 2 && parts[0] == QStringLiteral("phone")) {
        const int slot = ordinal(parts[1], ConfigurationSet::PhoneCount);
        if (slot >= 0) return Target{Field::Phone, slot};
    }
    if (parts.size() == 3 && parts[0] == QStringLiteral("channel")) {
        const int channel = ordinal(parts[1], ConfigurationSet::ChannelCount);
        if (channel >= 0 && parts[2] == QStringLiteral("enabled"))
            return Target{Field::Enabled, channel};
        if (channel >= 0 && parts[2] == QStringLiteral("message"))
            return Target{Field::Message, channel};
    }
    return std::nullopt;
}

// The first character Windows-1252 lacks, as "U+XXXX at character N", or empty. Characters
// outside the BMP count once, as the user sees them.
QString unencodable(const QString& text) {
    qsizetype character = 1;
    for (qsizetype i = 0; i < text.size(); ++i, ++character) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t point =
            pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (!codepage::canEncode(text.mid(i, pair ? 2 : 1)))
            return QStringLiteral("U+%1 at character %2")
                .arg(QString::number(point, 16).toUpper().rightJustified(4, QLatin1Char('0')),
                     QString::number(character));
        i += pair ? 1 : 0;
    }
    return {};
}

// Why the unit, the line or a configuration file cannot carry `text`, or empty.
QString textProblem(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('"'))
            return Text::tr(
                       "holds a double quote (character %1), which a configuration file cannot "
                       "carry")
                .arg(i + 1);
        if (text[i] == QChar(0) && i + 1 < text.size() && text[i + 1] == QLatin1Char('\r'))
            return Text::tr(
                       "holds NUL followed by CR (character %1), which ends a setting on the line")
                .arg(i + 1);
    }
    if (const QString where = unencodable(text); !where.isEmpty())
        return Text::tr("holds a character Windows-1252 lacks (%1)").arg(where);
    if (text.size() > records::RecordReader::MaxRecordBytes)
        return Text::tr("%1 characters, a configuration file holds at most %2 in one value")
            .arg(text.size())
            .arg(records::RecordReader::MaxRecordBytes);
    // The unit would take it, but its reply could never be read back whole.
    if (text.size() > DeviceProcedure::MaxTextLength)
        return Text::tr("%1 characters, but the unit's reply could not be read back beyond %2")
            .arg(text.size())
            .arg(DeviceProcedure::MaxTextLength);
    return {};
}

// A text longer than the window's editor takes is kept whole; saying so once is enough.
QString lengthNote(const QString& text, int windowLimit) {
    if (text.size() <= windowLimit) return {};
    return Text::tr("%1 characters; the window's editor cuts it to %2 when edited")
        .arg(text.size())
        .arg(windowLimit);
}

Verdict verdict(const Assignment& a, const QString& why, const QString& note = {}) {
    const QString where = QStringLiteral("%1 (%2)").arg(a.origin, configjson::literal(a.name));
    if (!why.isEmpty()) return {where + QStringLiteral(": ") + why, {}};
    return {{}, note.isEmpty() ? QString() : where + QStringLiteral(": ") + note};
}

Verdict checkValue(const Assignment& a, const Target& t) {
    const QString shown = configjson::literal(a.value);
    switch (t.field) {
        case Field::SlaveId: {
            const bool valid = number(a.value, 0, ConfigurationSet::SlaveIdCount - 1).has_value();
            return verdict(
                a, valid ? QString()
                         : Text::tr("%1 is not a slave ID; give a whole number 0 to %2")
                               .arg(shown, QString::number(ConfigurationSet::SlaveIdCount - 1)));
        }
        case Field::Enabled:
            return verdict(a, a.value == QStringLiteral("yes") || a.value == QStringLiteral("no")
                                  ? QString()
                                  : Text::tr("%1: give yes or no").arg(shown));
        case Field::Phone:
            return verdict(a, textProblem(a.value),
                           lengthNote(a.value, ConfigurationSet::PhoneMaxLength));
        case Field::Message:
            return verdict(a, textProblem(a.value),
                           lengthNote(a.value, ConfigurationSet::MessageMaxLength));
    }
    return verdict(a, Text::tr("cannot be set"));
}

}  // namespace

std::optional<Assignment> parseAssignment(const QString& text, const QString& origin) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0) return std::nullopt;
    return Assignment{text.left(equals), text.mid(equals + 1), origin};
}

QString checkName(const QString& name) {
    if (target(name)) return {};
    return Text::tr(
               "unknown name %1; the names are slave-id, phone.1 to phone.%2, channel.1.enabled "
               "to channel.%3.enabled and channel.1.message to channel.%3.message")
        .arg(configjson::literal(name), QString::number(ConfigurationSet::PhoneCount),
             QString::number(ConfigurationSet::ChannelCount));
}

int phoneOf(const QString& name) {
    const std::optional<Target> t = target(name);
    return t && t->field == Field::Phone ? t->index + 1 : 0;
}

Verdict check(const Assignment& assignment) {
    const std::optional<Target> t = target(assignment.name);
    if (!t)
        return {QStringLiteral("%1: %2").arg(assignment.origin, checkName(assignment.name)), {}};
    return checkValue(assignment, *t);
}

Verdict apply(const Assignment& assignment, ConfigurationSet* set) {
    Verdict result = check(assignment);
    if (!result.ok()) return result;
    const Target t = *target(assignment.name);
    const QString& value = assignment.value;
    switch (t.field) {
        case Field::SlaveId:
            set->slaveId = value.toInt();
            break;
        case Field::Phone:
            set->phoneNo[size_t(t.index)] = value;
            break;
        case Field::Enabled:
            set->channelEnable[size_t(t.index)] =
                value == QStringLiteral("yes") ? FlagTrue : FlagFalse;
            break;
        case Field::Message:
            set->channelMessage[size_t(t.index)] = value;
            break;
    }
    return result;
}

}  // namespace provision
