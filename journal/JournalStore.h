// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>
#include <optional>

#include "journal/JournalRecord.h"
#include "journal/JournalTarget.h"

class QSqlDatabase;
class QSqlQuery;

namespace journal {

// Which records a listing wants; empty or unset fields do not filter.
struct Filter {
    QString port;
    std::optional<Action> action;
    QDateTime since;
    int limit = -1;                 // all when negative
    bool withConfiguration = true;  // a history table has no use for the large column
    qint64 beforeId = 0;            // when set, only records kept before this one (lower id)
};

// One connection to one journal database, SQLite or PostgreSQL, with its schema brought up to
// date on open. Several processes may append to the same journal at once. Every call returns
// false (or nothing) on failure and puts the database's reason into *error.
class Store {
public:
    static constexpr int SchemaVersion = 4;

    // Why the last call failed, as far as it matters to what comes next.
    enum class Fault {
        None,
        Unreachable,  // no connection, or it broke
        Slow,         // a statement or a lock took longer than the bound
        Content,      // the database refused this record for what it holds
        Refused,      // anything else the database refused (rights, schema)
    };
    // Listing, showing and restoring open read-only, so a journal on a read-only mount serves.
    enum class Access { ReadWrite, ReadOnly };

    explicit Store(const Target& target, Access access = Access::ReadWrite);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    bool open(QString* error);
    bool isOpen() const;
    const Target& target() const { return where; }

    // Gives `record` its id. With `pendingFor` (a server's display name) it is kept as not yet
    // sent there (SyncQueue). A record whose origin is stored already is left alone (id 0): syncing
    // it again is harmless.
    bool append(Record& record, QString* error, const QString& pendingFor = {});
    // Newest first.
    QList<Record> list(const Filter& filter, QString* error) const;
    std::optional<Record> find(qint64 id, QString* error) const;
    Fault lastFault() const { return fault; }

private:
    // The records waiting for a server live in the same table; their queue uses its statements.
    friend class SyncQueue;
    static QVariant textValue(const QString& text);
    QSqlDatabase database() const;
    bool exec(QSqlQuery& query, const QString& sql, const QVariantList& values,
              QString* error) const;
    bool execPlain(const QString& sql, QString* error) const;
    bool prepareFile(QString* error) const;
    bool checkVersion(QString* error);
    bool connect(QString* error);
    bool begin(QString* error);
    bool insert(QSqlQuery& query, Record& record, const QString& pendingFor, QString* error);
    bool migrate(QString* error);
    bool runMigrations(int from, QString* error);
    QList<Record> select(const QString& where, const QVariantList& values, const QString& tail,
                         bool withConfiguration, QString* error) const;

    Target where;
    Access access;
    QString connectionName;
    mutable Fault fault = Fault::None;
};

}  // namespace journal
