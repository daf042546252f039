// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalRecord.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QSysInfo>
#include <QUuid>
#include <algorithm>
#include <array>
#include <utility>

#include "ConfigJson.h"
#include "JournalLog.h"

namespace journal {

namespace {

constexpr std::array<std::pair<Action, const char*>, 5> ActionNames{{
    {Action::Read, "read"},
    {Action::Write, "write"},
    {Action::Verify, "verify"},
    {Action::Backup, "backup"},
    {Action::Restore, "restore"},
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

QString csvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : text)
        if (special.contains(c))
            return QLatin1Char('"') +
                   QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
    return text;
}

}  // namespace

QString actionName(Action action) {
    return nameOf(ActionNames, action);
}
std::optional<Action> actionFromName(const QString& name) {
    return valueOf(ActionNames, name);
}
QString outcomeName(Outcome outcome) {
    return nameOf(OutcomeNames, outcome);
}
std::optional<Outcome> outcomeFromName(const QString& name) {
    return valueOf(OutcomeNames, name);
}

QByteArray canonicalJson(const ConfigurationSet& set, int phoneCount) {
    // QJsonObject keeps its keys sorted, so the compact form is the same for equal sets.
    return QJsonDocument::fromJson(ConfigJson::serialize(set, phoneCount))
        .toJson(QJsonDocument::Compact);
}

QString fingerprint(const ConfigurationSet& set, int phoneCount) {
    return QString::fromLatin1(
        QCryptographicHash::hash(canonicalJson(set, phoneCount), QCryptographicHash::Sha256)
            .toHex());
}

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
    sha256 = QString::fromLatin1(
        QCryptographicHash::hash(configuration, QCryptographicHash::Sha256).toHex());
}

QJsonObject Record::toJson() const {
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("time"), time.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("operator"), textOrNull(operatorName)},
        {QStringLiteral("host"), textOrNull(host)},
        {QStringLiteral("version"), textOrNull(version)},
        {QStringLiteral("action"), actionName(action)},
        {QStringLiteral("port"), port},
        {QStringLiteral("serialNumber"), textOrNull(identity.serialNumber)},
        {QStringLiteral("vendorId"), textOrNull(identity.vendorId)},
        {QStringLiteral("productId"), textOrNull(identity.productId)},
        {QStringLiteral("location"), textOrNull(identity.location)},
        {QStringLiteral("model"), textOrNull(model)},
        {QStringLiteral("outcome"), outcomeName(outcome)},
        {QStringLiteral("reason"), textOrNull(reason)},
        {QStringLiteral("verified"), verified ? QJsonValue(*verified) : QJsonValue()},
        {QStringLiteral("differences"), differences},
        {QStringLiteral("durationMs"), durationMs},
        {QStringLiteral("file"), textOrNull(file)},
        {QStringLiteral("sha256"), textOrNull(sha256)},
        {QStringLiteral("settingsSent"), settingsSent ? QJsonValue(*settingsSent) : QJsonValue()},
        {QStringLiteral("configuration"), configurationValue(*this)},
    };
}

QString Record::csvHeader() {
    return QStringLiteral(
        "id,time,operator,host,version,action,port,serialNumber,vendorId,productId,location,"
        "model,outcome,reason,verified,differences,durationMs,file,sha256,settingsSent");
}

QString Record::csvRow() const {
    const QString verifiedText =
        verified ? (*verified ? QStringLiteral("true") : QStringLiteral("false")) : QString();
    const QStringList fields{QString::number(id),
                             time.toUTC().toString(Qt::ISODateWithMs),
                             operatorName,
                             host,
                             version,
                             actionName(action),
                             port,
                             identity.serialNumber,
                             identity.vendorId,
                             identity.productId,
                             identity.location,
                             model,
                             outcomeName(outcome),
                             reason,
                             verifiedText,
                             QString::number(differences),
                             QString::number(durationMs),
                             file,
                             sha256,
                             settingsSent ? QString::number(*settingsSent) : QString()};
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(','));
}

}  // namespace journal
