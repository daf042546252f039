// SPDX-License-Identifier: GPL-3.0-or-later
#include "configfile/ConfigJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <cmath>

#include "configfile/ConfigText.h"
#include "configfile/Records.h"
#include "core/Codepage.h"
#include "core/Escape.h"

namespace configjson {

namespace {

using configfile::Text;
constexpr int ClassicPhones = 16;

// Refuses keys nobody reads: a misspelt "mesage" must not silently leave a message empty.
QString unknownKey(const QJsonObject& object, const QSet<QString>& known) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key())) return it.key();
    return {};
}

// Empty when `value` is a text the unit can take, else what is wrong with it.
// A text fits when a record file can hold it, so that a JSON file can always be saved as one.
QString checkText(const QJsonValue& value, QString* text) {
    constexpr qsizetype MaxLength = records::RecordReader::MaxRecordBytes;
    if (!value.isString()) return Text::tr("not a string");
    *text = value.toString();
    if (!codepage::canEncode(*text)) return Text::tr("holds a character Windows-1252 lacks");
    if (ConfigurationSet::cutOnTheLine(*text))
        return Text::tr("holds NUL followed by CR, where the unit's line ends a text");
    if (text->size() > MaxLength)
        return Text::tr("%1 characters, at most %2").arg(text->size()).arg(MaxLength);
    return {};
}

// "where: why", or just "why" for the file as a whole.
QString failure(const QString& where, const QString& why) {
    return where.isEmpty() ? why : Text::tr("%1: %2").arg(where, why);
}

QString parseRoot(const QByteArray& bytes, QJsonObject* root) {
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failure({}, Text::tr("not valid JSON at offset %1 (%2)")
                               .arg(QString::number(parseError.offset), parseError.errorString()));
    if (!doc.isObject()) return failure({}, Text::tr("not a JSON object"));
    *root = doc.object();
    const QString stray = unknownKey(
        *root, {QStringLiteral("slaveId"), QStringLiteral("phones"), QStringLiteral("channels")});
    if (!stray.isEmpty()) return failure(escape::controls(stray), Text::tr("unknown key"));
    return {};
}

QString parseSlaveId(const QJsonObject& root, ConfigurationSet* set) {
    const QString where = QStringLiteral("slaveId");
    const QJsonValue id = root.value(where);
    if (id.isUndefined()) return failure(where, Text::tr("missing"));
    const double idValue = id.toDouble(-1);
    if (!id.isDouble() || std::floor(idValue) != idValue)
        return failure(where, Text::tr("not a whole number"));
    if (idValue < 0 || idValue >= ConfigurationSet::SlaveIdCount)
        return failure(
            where,
            Text::tr("%1 is outside 0..%2").arg(idValue).arg(ConfigurationSet::SlaveIdCount - 1));
    set->slaveId = int(idValue);
    return {};
}

// The array under `key`, or why there is none.
QString arrayAt(const QJsonObject& root, const QString& key, QJsonArray* array) {
    const QJsonValue value = root.value(key);
    if (!value.isArray())
        return failure(key, value.isUndefined() ? Text::tr("missing") : Text::tr("not an array"));
    *array = value.toArray();
    return {};
}

QString parsePhones(const QJsonObject& root, ConfigurationSet* set, int* phoneCount) {
    QJsonArray phones;
    if (QString error = arrayAt(root, QStringLiteral("phones"), &phones); !error.isEmpty())
        return error;
    if (phones.size() != ClassicPhones && phones.size() != ConfigurationSet::PhoneCount)
        return failure(QStringLiteral("phones"),
                       Text::tr("%1 entries, 16 or 32 expected").arg(phones.size()));
    for (int k = 0; k < phones.size(); ++k) {
        QString text;
        const QString why = checkText(phones[k], &text);
        if (!why.isEmpty())
            return failure(Text::tr("phones[%1] (phone %2)").arg(k).arg(k + 1), why);
        set->phoneNo[k] = text;
    }
    *phoneCount = int(phones.size());
    return {};
}

// Channel `i` (0-based) of the array; errors name the array position and the channel.
QString parseChannel(const QJsonValue& value, int i, ConfigurationSet* set) {
    const QString where = QStringLiteral("channels[%1]").arg(i);
    const QString name = Text::tr(" (channel %1)").arg(i + 1);
    if (!value.isObject()) return failure(where + name, Text::tr("not an object"));
    const QJsonObject channel = value.toObject();
    const QString strayKey =
        unknownKey(channel, {QStringLiteral("enabled"), QStringLiteral("message")});
    if (!strayKey.isEmpty())
        return failure(where + '.' + escape::controls(strayKey) + name, Text::tr("unknown key"));
    const QJsonValue enabled = channel.value(QStringLiteral("enabled"));
    if (!enabled.isBool())
        return failure(where + QStringLiteral(".enabled") + name,
                       enabled.isUndefined() ? Text::tr("missing") : Text::tr("not true or false"));
    const QJsonValue message = channel.value(QStringLiteral("message"));
    if (message.isUndefined())
        return failure(where + QStringLiteral(".message") + name, Text::tr("missing"));
    QString text;
    const QString why = checkText(message, &text);
    if (!why.isEmpty()) return failure(where + QStringLiteral(".message") + name, why);
    set->channelEnable[i] = enabled.toBool() ? FlagTrue : FlagFalse;
    set->channelMessage[i] = text;
    return {};
}

QString parseChannels(const QJsonObject& root, ConfigurationSet* set) {
    QJsonArray channels;
    if (QString error = arrayAt(root, QStringLiteral("channels"), &channels); !error.isEmpty())
        return error;
    if (channels.size() != ConfigurationSet::ChannelCount)
        return failure(QStringLiteral("channels"),
                       Text::tr("%1 entries, 64 expected").arg(channels.size()));
    for (int i = 0; i < channels.size(); ++i)
        if (QString error = parseChannel(channels[i], i, set); !error.isEmpty()) return error;
    return {};
}

}  // namespace

QByteArray serialize(const ConfigurationSet& set, int phoneCount) {
    QJsonArray phones;
    for (int k = 0; k < qBound(0, phoneCount, ConfigurationSet::PhoneCount); ++k)
        phones.append(set.phoneNo[k]);
    QJsonArray channels;
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i)
        channels.append(QJsonObject{{QStringLiteral("enabled"), set.enabled(i)},
                                    {QStringLiteral("message"), set.channelMessage[i]}});
    const QJsonObject root{{QStringLiteral("slaveId"), set.slaveId},
                           {QStringLiteral("phones"), phones},
                           {QStringLiteral("channels"), channels}};
    // Qt escapes C0 characters in strings but writes DEL and C1 as they are; escaped too,
    // they cannot act on a terminal the file is shown on. Outside strings there are none.
    return escape::controlsKeepingLines(
               QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)))
        .toUtf8();
}

ParseResult parse(const QByteArray& bytes, const ConfigurationSet& base) {
    ParseResult result;
    result.set = base;
    QJsonObject root;
    QString error = parseRoot(bytes, &root);
    if (error.isEmpty()) error = parseSlaveId(root, &result.set);
    if (error.isEmpty()) error = parsePhones(root, &result.set, &result.phoneCount);
    if (error.isEmpty()) error = parseChannels(root, &result.set);
    result.ok = error.isEmpty();
    result.error = error;
    if (!result.ok) result.phoneCount = 0;
    return result;
}

bool looksLikeJson(const QByteArray& bytes) {
    for (const char c : bytes) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        return c == '{';
    }
    return false;
}

QString literal(const QString& text) {
    // Qt's own escaping, so a text shown here reads back as JSON exactly; DEL and C1, which Qt
    // leaves as they are, escaped as well.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return escape::controls(QString::fromUtf8(array.mid(1, array.size() - 2)));
}

}  // namespace configjson
