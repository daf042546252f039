#include "ConfigJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <cmath>

#include "Codepage.h"

namespace ConfigJson {

namespace {

constexpr int ClassicPhones = 16;

// Refuses keys nobody reads: a misspelt "mesage" must not silently leave a message empty.
QString unknownKey(const QJsonObject& object, const QSet<QString>& known) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key())) return it.key();
    return {};
}

// Empty when `value` is a text the unit can take, else what is wrong with it.
QString checkText(const QJsonValue& value, int maxLength, QString* text) {
    if (!value.isString()) return QStringLiteral("not a string");
    *text = value.toString();
    if (!codepage::canEncode(*text)) return QStringLiteral("holds a character Windows-1252 lacks");
    if (text->size() > maxLength)
        return QStringLiteral("%1 characters, at most %2").arg(text->size()).arg(maxLength);
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
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ParseResult parse(const QByteArray& bytes, const ConfigurationSet& base) {
    ParseResult result;
    result.set = base;
    auto fail = [&](const QString& where, const QString& why) {
        result.ok = false;
        result.error = where.isEmpty() ? why : where + QStringLiteral(": ") + why;
        return result;
    };

    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail({}, QStringLiteral("not valid JSON at offset %1 (%2)")
                            .arg(parseError.offset)
                            .arg(parseError.errorString()));
    if (!doc.isObject()) return fail({}, QStringLiteral("not a JSON object"));
    const QJsonObject root = doc.object();
    const QString stray = unknownKey(
        root, {QStringLiteral("slaveId"), QStringLiteral("phones"), QStringLiteral("channels")});
    if (!stray.isEmpty()) return fail(stray, QStringLiteral("unknown key"));

    const QJsonValue id = root.value(QStringLiteral("slaveId"));
    if (id.isUndefined()) return fail(QStringLiteral("slaveId"), QStringLiteral("missing"));
    const double idValue = id.toDouble(-1);
    if (!id.isDouble() || std::floor(idValue) != idValue)
        return fail(QStringLiteral("slaveId"), QStringLiteral("not a whole number"));
    if (idValue < 0 || idValue >= ConfigurationSet::SlaveIdCount)
        return fail(QStringLiteral("slaveId"), QStringLiteral("%1 is outside 0..%2")
                                                   .arg(idValue)
                                                   .arg(ConfigurationSet::SlaveIdCount - 1));
    result.set.slaveId = int(idValue);

    const QJsonValue phonesValue = root.value(QStringLiteral("phones"));
    if (!phonesValue.isArray())
        return fail(QStringLiteral("phones"), phonesValue.isUndefined()
                                                  ? QStringLiteral("missing")
                                                  : QStringLiteral("not an array"));
    const QJsonArray phones = phonesValue.toArray();
    if (phones.size() != ClassicPhones && phones.size() != ConfigurationSet::PhoneCount)
        return fail(QStringLiteral("phones"),
                    QStringLiteral("%1 entries, 16 or 32 expected").arg(phones.size()));
    for (int k = 0; k < phones.size(); ++k) {
        QString text;
        const QString why = checkText(phones[k], ConfigurationSet::PhoneMaxLength, &text);
        if (!why.isEmpty())
            return fail(QStringLiteral("phones[%1] (phone %2)").arg(k).arg(k + 1), why);
        result.set.phoneNo[k] = text;
    }

    const QJsonValue channelsValue = root.value(QStringLiteral("channels"));
    if (!channelsValue.isArray())
        return fail(QStringLiteral("channels"), channelsValue.isUndefined()
                                                    ? QStringLiteral("missing")
                                                    : QStringLiteral("not an array"));
    const QJsonArray channels = channelsValue.toArray();
    if (channels.size() != ConfigurationSet::ChannelCount)
        return fail(QStringLiteral("channels"),
                    QStringLiteral("%1 entries, 64 expected").arg(channels.size()));
    for (int i = 0; i < channels.size(); ++i) {
        const QString where = QStringLiteral("channels[%1]").arg(i);
        const QString name = QStringLiteral(" (channel %1)").arg(i + 1);
        if (!channels[i].isObject()) return fail(where + name, QStringLiteral("not an object"));
        const QJsonObject channel = channels[i].toObject();
        const QString strayKey =
            unknownKey(channel, {QStringLiteral("enabled"), QStringLiteral("message")});
        if (!strayKey.isEmpty())
            return fail(where + '.' + strayKey + name, QStringLiteral("unknown key"));
        const QJsonValue enabled = channel.value(QStringLiteral("enabled"));
        if (!enabled.isBool())
            return fail(where + QStringLiteral(".enabled") + name,
                        enabled.isUndefined() ? QStringLiteral("missing")
                                              : QStringLiteral("not true or false"));
        const QJsonValue message = channel.value(QStringLiteral("message"));
        if (message.isUndefined())
            return fail(where + QStringLiteral(".message") + name, QStringLiteral("missing"));
        QString text;
        const QString why = checkText(message, ConfigurationSet::MessageMaxLength, &text);
        if (!why.isEmpty()) return fail(where + QStringLiteral(".message") + name, why);
        result.set.channelEnable[i] = enabled.toBool() ? FlagTrue : FlagFalse;
        result.set.channelMessage[i] = text;
    }

    result.phoneCount = int(phones.size());
    result.ok = true;
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
    // Qt's own escaping, so a text shown here reads back as JSON exactly.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

}  // namespace ConfigJson
