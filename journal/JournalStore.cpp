// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>
#include <QVariant>

#include "core/Escape.h"
#include "journal/JournalLog.h"

namespace journal {

namespace {

// One translation context for the whole file, free functions and members alike, so the
// catalogue and the lookup agree.
struct StoreText {
    Q_DECLARE_TR_FUNCTIONS(journal::Store)
};

// Appends wait this long for another process's write to finish; each takes milliseconds.
constexpr int BusyTimeoutMs = 5000;
// An unreachable or stalled server must not hold up a transfer for long: a statement that
// waits longer than this for a lock, or runs longer in all, is given up as if the server were
// away, and its record is kept locally.
constexpr int ConnectTimeoutS = 3;
constexpr int LockTimeoutMs = 3000;
constexpr int StatementTimeoutMs = 5000;
// Serialises schema changes between processes opening the same PostgreSQL journal.
constexpr int MigrationLockKey = 0x51580001;

// Each step takes the schema from its index to the next version. Statements are shared by both
// databases; %ID% is the one spelling they disagree on.
const QList<QStringList> Migrations{
    {QStringLiteral("CREATE TABLE journal (id %ID%, time_ms BIGINT NOT NULL, operator TEXT, "
                    "host TEXT, version TEXT, action TEXT NOT NULL, port TEXT NOT NULL, "
                    "serial_number TEXT, vendor_id TEXT, product_id TEXT, location TEXT, "
                    "model TEXT, outcome TEXT NOT NULL, reason TEXT, verified INTEGER, "
                    "differences INTEGER NOT NULL DEFAULT 0, duration_ms BIGINT NOT NULL "
                    "DEFAULT 0, file TEXT, sha256 TEXT, configuration TEXT)")},
    // Syncing from a local journal to a server: a record's identity across journals, and the
    // server it still has to reach.
    {QStringLiteral("ALTER TABLE journal ADD COLUMN origin TEXT"),
     QStringLiteral("ALTER TABLE journal ADD COLUMN pending_for TEXT"),
     QStringLiteral("CREATE UNIQUE INDEX journal_origin ON journal (origin)"),
     QStringLiteral("CREATE INDEX journal_time ON journal (time_ms)"),
     // Configurations apart, so a history of thousands of records lists in a blink: inline,
     // each record's row spans several pages.
     QStringLiteral("CREATE TABLE journal_configuration (id BIGINT PRIMARY KEY REFERENCES "
                    "journal (id), configuration TEXT NOT NULL)"),
     QStringLiteral("INSERT INTO journal_configuration (id, configuration) SELECT id, "
                    "configuration FROM journal WHERE configuration IS NOT NULL"),
     QStringLiteral("ALTER TABLE journal DROP COLUMN configuration")},
    // How many settings a write or restore sent, which --changed-only makes fewer than all.
    {QStringLiteral("ALTER TABLE journal ADD COLUMN settings_sent INTEGER")},
    // A record the server refused for what it holds: kept locally, off the waiting list. A
    // failure's reason as a code any reader looks up in their language.
    {QStringLiteral("ALTER TABLE journal ADD COLUMN set_aside TEXT"),
     QStringLiteral("ALTER TABLE journal ADD COLUMN reason_code TEXT"),
     // A restore: the record it wrote back.
     QStringLiteral("ALTER TABLE journal ADD COLUMN source_id BIGINT")},
};
static_assert(Store::SchemaVersion == 4);

// Every column of a record but its id, in the order recordFrom reads them.
const QString Fields = QStringLiteral(
    "origin, time_ms, operator, host, version, action, port, serial_number, vendor_id, "
    "product_id, location, model, outcome, reason, verified, differences, duration_ms, file, "
    "sha256, settings_sent, reason_code, source_id");

// A PostgreSQL text cannot hold U+0000, which firmware pads fixed fields with. Both databases
// keep it as the escape the JSON form uses, so a record reads back alike from either.
QString keptText(const QString& text) {
    if (!text.contains(QChar(0))) return text;
    return QString(text).replace(QChar(0), QStringLiteral("\\u0000"));
}

// SQLSTATE classes (PostgreSQL) and result codes (SQLite) as what they mean for a record.
Store::Fault classify(const QSqlError& error, Target::Kind kind) {
    using Fault = Store::Fault;
    const QString code = error.nativeErrorCode();
    if (kind == Target::Kind::Sqlite) {
        if (code == QLatin1String("5") || code == QLatin1String("6")) return Fault::Slow;
        return error.type() == QSqlError::ConnectionError ? Fault::Unreachable : Fault::Refused;
    }
    if (code == QLatin1String("57014") || code == QLatin1String("55P03")) return Fault::Slow;
    for (const char* contentClass : {"22", "23", "54"})
        if (code.startsWith(QLatin1String(contentClass))) return Fault::Content;
    if (code.isEmpty() || code.startsWith(QLatin1String("08")) ||
        code.startsWith(QLatin1String("57P")) || error.type() == QSqlError::ConnectionError)
        return Fault::Unreachable;
    return Fault::Refused;
}

// The server's words on one line, with anything a terminal would act on shown escaped: the
// text comes from a server we do not control.
QString failure(const QSqlError& error) {
    const QString text = error.text().simplified();
    if (text.isEmpty()) return StoreText::tr("unknown database error");
    return escape::unprintable(text);
}

// Whether read or written, a journal a newer tool has kept is left to that tool.
QString newerSchema(int version) {
    return StoreText::tr(
               "the journal has schema version %1, newer than this version of the tool knows "
               "(%2); update the tool")
        .arg(version)
        .arg(Store::SchemaVersion);
}

std::optional<Record> recordFrom(const QSqlQuery& query, bool withConfiguration) {
    Record record;
    record.id = query.value(0).toLongLong();
    const auto action = actionFromName(query.value(6).toString());
    const auto outcome = outcomeFromName(query.value(13).toString());
    if (!action || !outcome) {
        qCWarning(lcJournal) << "record" << record.id << "has an unknown action or outcome"
                             << query.value(6).toString() << query.value(13).toString()
                             << "and is left out";
        return std::nullopt;
    }
    record.origin = query.value(1).toString();
    record.time = QDateTime::fromMSecsSinceEpoch(query.value(2).toLongLong(), Qt::UTC);
    record.operatorName = query.value(3).toString();
    record.host = query.value(4).toString();
    record.version = query.value(5).toString();
    record.action = *action;
    record.port = query.value(7).toString();
    record.identity = {query.value(8).toString(), query.value(9).toString(),
                       query.value(10).toString(), query.value(11).toString()};
    record.model = query.value(12).toString();
    record.outcome = *outcome;
    record.reason = query.value(14).toString();
    if (!query.isNull(15)) record.verified = query.value(15).toInt() != 0;
    record.differences = query.value(16).toInt();
    record.durationMs = query.value(17).toLongLong();
    record.file = query.value(18).toString();
    record.sha256 = query.value(19).toString();
    if (!query.isNull(20)) record.settingsSent = query.value(20).toInt();
    record.reasonCode = query.value(21).toString();
    if (!query.isNull(22)) record.sourceId = query.value(22).toLongLong();
    if (withConfiguration) record.configuration = query.value(23).toString().toUtf8();
    return record;
}

}  // namespace

Store::Store(const Target& target, Access access)
    : where(target),
      access(access),
      connectionName(QStringLiteral("quellix-journal-") +
                     QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Store::~Store() {
    {
        QSqlDatabase db = database();
        if (db.isValid()) db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

QVariant Store::textValue(const QString& text) {
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(keptText(text));
}

QSqlDatabase Store::database() const {
    return QSqlDatabase::database(connectionName, false);
}

bool Store::exec(QSqlQuery& query, const QString& sql, const QVariantList& values,
                 QString* error) const {
    fault = Fault::None;
    bool ok = query.prepare(sql);
    for (const QVariant& value : values)
        if (ok) query.addBindValue(value);
    if (ok && query.exec()) return true;
    fault = classify(query.lastError(), where.kind);
    *error = failure(query.lastError());
    return false;
}

bool Store::execPlain(const QString& sql, QString* error) const {
    fault = Fault::None;
    QSqlQuery query(database());
    if (query.exec(sql)) return true;
    fault = classify(query.lastError(), where.kind);
    *error = failure(query.lastError());
    return false;
}

bool Store::isOpen() const {
    return database().isOpen();
}

bool Store::open(QString* error) {
    if (isOpen()) return true;
    const bool ok =
        connect(error) && (access == Access::ReadOnly ? checkVersion(error) : migrate(error));
    if (!ok) {
        qCInfo(lcJournal) << "cannot open" << where.display() << ":" << *error;
        database().close();
        return false;
    }
    qCDebug(lcJournal) << "opened" << where.display();
    return true;
}

// Creates a new SQLite file readable by its owner only before SQLite opens it: records name
// operators, hosts and whole configurations.
bool Store::prepareFile(QString* error) const {
    const QFileInfo info(where.path);
    if (info.exists()) return true;
    if (access == Access::ReadOnly)
        return *error = StoreText::tr("no journal has been kept there yet"), false;
    if (!QDir().mkpath(info.absolutePath())) {
        *error = StoreText::tr("cannot create the folder %1").arg(info.absolutePath());
        return false;
    }
    QFile file(where.path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.exists())  // another process made it meanwhile
        return true;
    *error = file.errorString();
    return false;
}

namespace {

// A journal in WAL mode can be read where its -shm file cannot be made (a read-only mount)
// only as immutable; nobody can write there meanwhile anyway.
void openSqlite(QSqlDatabase& db, const QString& path, bool readOnly, bool immutable) {
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (readOnly) options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    QUrl uri = QUrl::fromLocalFile(path);
    uri.setQuery(immutable ? QStringLiteral("mode=ro&immutable=1") : QStringLiteral("mode=ro"));
    db.setDatabaseName(readOnly ? uri.toString(QUrl::FullyEncoded) : path);
    db.setConnectOptions(options);
    db.open();
}

void openPostgres(QSqlDatabase& db, const Target& where) {
    // No password here: libpq reads PGPASSWORD or ~/.pgpass itself.
    db.setHostName(where.host);
    db.setPort(where.port);
    db.setUserName(where.user);
    db.setDatabaseName(where.database);
    db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(ConnectTimeoutS));
    db.open();
}

}  // namespace

bool Store::connect(QString* error) {
    fault = Fault::Unreachable;
    const bool sqlite = where.kind == Target::Kind::Sqlite;
    const bool readOnly = access == Access::ReadOnly;
    if (where.kind == Target::Kind::Off)
        return *error = StoreText::tr("the journal is turned off"), false;
    if (sqlite && !prepareFile(error)) return false;
    // A second try after a failed open starts afresh rather than warn of a duplicate name.
    if (QSqlDatabase::contains(connectionName)) QSqlDatabase::removeDatabase(connectionName);
    QSqlDatabase db = QSqlDatabase::addDatabase(
        sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), connectionName);
    if (!db.isValid())
        return *error = StoreText::tr("the Qt SQL driver for %1 is not installed")
                            .arg(sqlite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL")),
               false;
    if (sqlite) {
        openSqlite(db, where.path, readOnly, false);
        // Opening is lazy: the first read tells whether the -shm file could be had.
        if (readOnly && db.isOpen() &&
            !execPlain(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"), error)) {
            db.close();
            openSqlite(db, where.path, true, true);
        }
    } else {
        openPostgres(db, where);
    }
    if (!db.isOpen()) return *error = failure(db.lastError()), false;
    // WAL lets readers and one writer work at once; every process that opens it agrees.
    if (sqlite) return readOnly || execPlain(QStringLiteral("PRAGMA journal_mode=WAL"), error);
    // libpq prints notices ("relation already exists, skipping") straight to stderr.
    return execPlain(QStringLiteral("SET client_min_messages TO WARNING"), error) &&
           execPlain(QStringLiteral("SET lock_timeout = %1").arg(LockTimeoutMs), error) &&
           execPlain(QStringLiteral("SET statement_timeout = %1").arg(StatementTimeoutMs), error);
}

// Read-only, nothing is upgraded: a journal in another schema is refused with what to do.
bool Store::checkVersion(QString* error) {
    QSqlQuery query(database());
    if (!exec(query, QStringLiteral("SELECT MAX(version) FROM journal_schema"), {}, error))
        return false;
    const int version = query.next() ? query.value(0).toInt() : 0;
    if (version == SchemaVersion) return true;
    fault = Fault::Refused;
    *error = version > SchemaVersion
                 ? newerSchema(version)
                 : StoreText::tr(
                       "the journal has schema version %1 and cannot be upgraded to %2 "
                       "where it is; run a write or read with it once where it can be "
                       "written")
                       .arg(version)
                       .arg(SchemaVersion);
    return false;
}

bool Store::migrate(QString* error) {
    const bool sqlite = where.kind == Target::Kind::Sqlite;
    // Locked first, so two processes opening a new journal do not both create it.
    if (!begin(error)) return false;
    QSqlQuery query(database());
    bool ok = (sqlite || exec(query, QStringLiteral("SELECT pg_advisory_xact_lock(?)"),
                              {MigrationLockKey}, error)) &&
              execPlain(QStringLiteral("CREATE TABLE IF NOT EXISTS journal_schema "
                                       "(version INTEGER NOT NULL)"),
                        error) &&
              exec(query, QStringLiteral("SELECT MAX(version) FROM journal_schema"), {}, error);
    const int version = ok && query.next() ? query.value(0).toInt() : 0;
    query.finish();
    if (ok && version > SchemaVersion) {
        *error = newerSchema(version);
        fault = Fault::Refused;
        ok = false;
    }
    ok = ok && runMigrations(version, error);
    if (ok) return execPlain(QStringLiteral("COMMIT"), error);
    QString ignored;
    const Fault why = fault;
    execPlain(QStringLiteral("ROLLBACK"), &ignored);
    fault = why;
    return false;
}

bool Store::runMigrations(int from, QString* error) {
    const QString idType = where.kind == Target::Kind::Sqlite
                               ? QStringLiteral("INTEGER PRIMARY KEY")
                               : QStringLiteral("BIGSERIAL PRIMARY KEY");
    for (int version = from; version < SchemaVersion; ++version) {
        qCInfo(lcJournal) << "upgrading" << where.display() << "to schema version" << version + 1;
        for (QString sql : Migrations[version])
            if (!execPlain(sql.replace(QStringLiteral("%ID%"), idType), error)) return false;
        QSqlQuery query(database());
        if (!execPlain(QStringLiteral("DELETE FROM journal_schema"), error) ||
            !exec(query, QStringLiteral("INSERT INTO journal_schema (version) VALUES (?)"),
                  {version + 1}, error))
            return false;
    }
    return true;
}

bool Store::append(Record& record, QString* error, const QString& pendingFor) {
    fault = Fault::Refused;
    if (!record.time.isValid()) return *error = StoreText::tr("a record without a time"), false;
    if (access == Access::ReadOnly) return *error = StoreText::tr("opened for reading only"), false;
    if (record.origin.isEmpty()) record.origin = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!open(error) || !begin(error)) return false;
    // Outlives the transaction: PostgreSQL frees its statement only once that has ended.
    QSqlQuery query(database());
    if (insert(query, record, pendingFor, error) && execPlain(QStringLiteral("COMMIT"), error)) {
        qCDebug(lcJournal) << "appended" << record.id << "to" << where.display()
                           << (pendingFor.isEmpty() ? QString() : QStringLiteral("pending"));
        return true;
    }
    QString ignored;
    const Fault why = fault;
    if (isOpen()) execPlain(QStringLiteral("ROLLBACK"), &ignored);  // a lost line has none
    fault = why;
    return false;
}

bool Store::begin(QString* error) {
    // SQLite: take the write lock now, or a second writer could fail instead of waiting.
    return execPlain(where.kind == Target::Kind::Sqlite ? QStringLiteral("BEGIN IMMEDIATE")
                                                        : QStringLiteral("BEGIN"),
                     error);
}

bool Store::insert(QSqlQuery& query, Record& record, const QString& pendingFor, QString* error) {
    const QVariant verified =
        record.verified ? QVariant(int(*record.verified)) : QVariant(QMetaType::fromType<int>());
    const bool ok = exec(
        query,
        QStringLiteral("INSERT INTO journal (%1, pending_for) VALUES (?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                       "ON CONFLICT (origin) DO NOTHING RETURNING id")
            .arg(Fields),
        {textValue(record.origin),
         record.time.toMSecsSinceEpoch(),
         textValue(record.operatorName),
         textValue(record.host),
         textValue(record.version),
         actionName(record.action),
         keptText(record.port),
         textValue(record.identity.serialNumber),
         textValue(record.identity.vendorId),
         textValue(record.identity.productId),
         textValue(record.identity.location),
         textValue(record.model),
         outcomeName(record.outcome),
         textValue(record.reason),
         verified,
         record.differences,
         record.durationMs,
         textValue(record.file),
         textValue(record.sha256),
         record.settingsSent ? QVariant(*record.settingsSent)
                             : QVariant(QMetaType::fromType<int>()),
         textValue(record.reasonCode),
         record.sourceId ? QVariant(*record.sourceId) : QVariant(QMetaType::fromType<qint64>()),
         textValue(pendingFor)},
        error);
    if (!ok) return false;
    record.id = query.next() ? query.value(0).toLongLong() : 0;
    query.finish();
    if (record.id == 0 || record.configuration.isEmpty()) return true;
    return exec(
        query,
        QStringLiteral("INSERT INTO journal_configuration (id, configuration) VALUES (?, ?)"),
        {record.id, QString::fromUtf8(record.configuration)}, error);
}

QList<Record> Store::select(const QString& where, const QVariantList& values, const QString& tail,
                            bool withConfiguration, QString* error) const {
    QList<Record> records;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const QString sql =
        QStringLiteral("SELECT journal.id, %1%2%3%4")
            .arg(Fields,
                 withConfiguration ? QStringLiteral(", c.configuration FROM journal LEFT JOIN "
                                                    "journal_configuration c ON c.id = journal.id")
                                   : QStringLiteral(" FROM journal"),
                 where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where, tail);
    if (!exec(query, sql, values, error)) return records;
    while (query.next())
        if (auto record = recordFrom(query, withConfiguration)) records.append(*record);
    return records;
}

QList<Record> Store::list(const Filter& filter, QString* error) const {
    QStringList conditions;
    QVariantList values;
    auto condition = [&](const char* sql, const QVariant& value) {
        conditions << QLatin1String(sql);
        values << value;
    };
    if (!filter.port.isEmpty()) condition("port = ?", filter.port);
    if (filter.action) condition("action = ?", actionName(*filter.action));
    if (filter.since.isValid()) condition("time_ms >= ?", filter.since.toMSecsSinceEpoch());
    if (filter.beforeId > 0) condition("journal.id < ?", filter.beforeId);
    QString tail = QStringLiteral(" ORDER BY time_ms DESC, journal.id DESC");
    if (filter.limit >= 0) tail += QStringLiteral(" LIMIT %1").arg(filter.limit);
    return select(conditions.join(QStringLiteral(" AND ")), values, tail, filter.withConfiguration,
                  error);
}

std::optional<Record> Store::find(qint64 id, QString* error) const {
    error->clear();
    const QList<Record> found = select(QStringLiteral("journal.id = ?"), {id}, {}, true, error);
    if (found.isEmpty()) return std::nullopt;
    return found.first();
}

}  // namespace journal
