// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/JournalRecord.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QSysInfo>
#include <QUuid>
#include <algorithm>
#include <array>
#include <utility>

#include "configfile/ConfigJson.h"
#include "core/Escape.h"
#include "journal/JournalLog.h"

namespace journal {

namespace {

constexpr std::array<std::pair<Action, const char*>, 6> ActionNames{{
    {Action::Read, "read"},
    {Action::Write, "write"},
    {Action::Verify, "verify"},
    {Action::Backup, "backup"},
    {Action::Restore, "restore"},
    {Action::Compare, "compare"},
}};
constexpr std::array<std::pair<Outcome, const char*>, 3> OutcomeNames{{
    {Outcome::Done, "done"},
    {Outcome::Differences, "differences"},
    {Outcome::Failed, "failed"},
}};

template <typename Enum, std::size_t N>
QString nameOf(const std::array<std::pair<Enum, const char*>, N>& table, Enum value) {
    for (const auto& [entry, name] : table)
        if (entry == value) return QString::fromLatin1(name);
    return {};
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const std::array<std::pair<Enum, const char*>, N>& table,
                            const QString& text) {
    for (const auto& [entry, name] : table)
        if (text == QLatin1String(name)) return entry;
    return std::nullopt;
}

constexpr int MaxLoginLength = 64;

QJsonValue textOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonValue configurationValue(const Record& record) {
    if (record.configuration.isEmpty()) return QJsonValue::Null;
    const QJsonDocument doc = QJsonDocument::fromJson(record.configuration);
    if (doc.isObject()) return doc.object();
    qCWarning(lcJournal) << "record" << record.id << "holds a configuration that is not JSON";
    return QJsonValue::Null;
}

QString sha256Hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// Every field of a record but its configuration, in the order of the CSV columns, with the
// JSON values toJson() gives: unknown texts and numbers null.
QList<std::pair<QString, QJsonValue>> fieldsOf(const Record& r) {
    auto optional = [](const auto& value) { return value ? QJsonValue(*value) : QJsonValue(); };
    return {
        {QStringLiteral("id"), r.id},
        {QStringLiteral("time"), r.time.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("operator"), textOrNull(r.operatorName)},
        {QStringLiteral("host"), textOrNull(r.host)},
        {QStringLiteral("version"), textOrNull(r.version)},
        {QStringLiteral("action"), actionName(r.action)},
        {QStringLiteral("port"), r.port},
        {QStringLiteral("serialNumber"), textOrNull(r.identity.serialNumber)},
        {QStringLiteral("vendorId"), textOrNull(r.identity.vendorId)},
        {QStringLiteral("productId"), textOrNull(r.identity.productId)},
        {QStringLiteral("location"), textOrNull(r.identity.location)},
        {QStringLiteral("model"), textOrNull(r.model)},
        {QStringLiteral("outcome"), outcomeName(r.outcome)},
        {QStringLiteral("reason"), textOrNull(r.reason)},
        {QStringLiteral("reasonCode"), textOrNull(r.reasonCode)},
        {QStringLiteral("verified"), optional(r.verified)},
        {QStringLiteral("differences"), r.differences},
        {QStringLiteral("durationMs"), r.durationMs},
        {QStringLiteral("file"), textOrNull(r.file)},
        {QStringLiteral("sha256"), textOrNull(r.sha256)},
        {QStringLiteral("settingsSent"), optional(r.settingsSent)},
        {QStringLiteral("sourceId"), optional(r.sourceId)},
    };
}

// A field as a CSV cell, before quoting: null as an empty cell.
QString csvText(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Bool:
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        case QJsonValue::Double:
            return QString::number(value.toInteger());
        case QJsonValue::String:
            return value.toString();
        default:
            return {};
    }
}

QString csvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : text)
        if (special.contains(c))
            return QLatin1Char('"') +
                   QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
    return text;
}

// The login name from USER (or USERNAME); empty when unset or not a plausible name, so a
// control character or a screenful of text in the environment never reaches the journal.
QString loginName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty()) name = qEnvironmentVariable("USERNAME");
    const bool printable =
        std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.isPrint(); });
    if (name.size() <= MaxLoginLength && printable) return name;
    qCWarning(lcJournal) << "the login name in the environment is not a plausible name;"
                         << "records carry no operator";
    return {};
}

}  // namespace

QString actionName(Action action) {
    return nameOf(ActionNames, action);
}
std::optional<Action> actionFromName(const QString& name) {
    return valueOf(ActionNames, name);
}
QString outcomeName(Outcome outcome) {
    return nameOf(OutcomeNames, outcome == Outcome::Interrupted ? Outcome::Failed : outcome);
}
std::optional<Outcome> outcomeFromName(const QString& name) {
    return valueOf(OutcomeNames, name);
}

QByteArray canonicalJson(const ConfigurationSet& set, int phoneCount) {
    // QJsonObject keeps its keys sorted, so the compact form is the same for equal sets.
    return QJsonDocument::fromJson(configjson::serialize(set, phoneCount))
        .toJson(QJsonDocument::Compact);
}

QString fingerprint(const ConfigurationSet& set, int phoneCount) {
    return sha256Hex(canonicalJson(set, phoneCount));
}

Record Record::begin(Action action, const QString& port, const QString& version) {
    Record record;
    record.origin = QUuid::createUuid().toString(QUuid::WithoutBraces);
    record.time = QDateTime::currentDateTimeUtc();
    record.operatorName = loginName();
    record.host = QSysInfo::machineHostName();
    record.version = version;
    record.action = action;
    record.port = port;
    return record;
}

void Record::setConfiguration(const ConfigurationSet& set, int phoneCount) {
    configuration = canonicalJson(set, phoneCount);
    sha256 = sha256Hex(configuration);
}

QJsonObject Record::toJson() const {
    QJsonObject json;
    for (const auto& [key, value] : fieldsOf(*this))
        json.insert(key, value);
    json.insert(QStringLiteral("configuration"), configurationValue(*this));
    return json;
}

QString Record::csvHeader() {
    QStringList keys;
    for (const auto& [key, value] : fieldsOf(Record()))
        keys << key;
    return keys.join(QLatin1Char(','));
}

QString Record::csvRow() const {
    QStringList cells;
    for (const auto& [key, value] : fieldsOf(*this))
        cells << csvField(escape::controls(csvText(value)));
    return cells.join(QLatin1Char(','));
}

}  // namespace journal
