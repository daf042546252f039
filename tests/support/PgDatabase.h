// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

#include "journal/JournalTarget.h"

namespace testsupport {

// Plain SQL on a journal's database, for what the library must not do itself (old schemas,
// tampered rows, dropped tables). A connection of its own name, so it can stay open beside the
// library's; the caller removes it with QSqlDatabase::removeDatabase(name).
inline QSqlDatabase rawDatabase(const journal::Target& target, const QString& name) {
    const bool sqlite = target.kind == journal::Target::Kind::Sqlite;
    QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? "QSQLITE" : "QPSQL", name);
    db.setDatabaseName(sqlite ? target.path : target.database);
    db.setHostName(target.host);
    db.setPort(target.port);
    db.setUserName(target.user);
    db.open();
    return db;
}

// Runs the statements in order up to the first that fails; returns its error, empty when all ran.
inline QString runSql(const journal::Target& target, const QStringList& statements) {
    QString failed;
    {
        QSqlDatabase db = rawDatabase(target, QStringLiteral("runSql"));
        if (!db.isOpen()) failed = db.lastError().text();
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            if (failed.isEmpty() && !query.exec(statement))
                failed = statement + ": " + query.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("runSql"));
    return failed;
}

// A database of this run's own on the PostgreSQL test server that QX_TEST_PG_URL names
// (scripts/pg-test-server.sh), so suites running at once never meet in one set of tables.
class PgDatabase {
public:
    PgDatabase() = default;
    PgDatabase(const PgDatabase&) = delete;
    PgDatabase& operator=(const PgDatabase&) = delete;
    // Drops the database again, if one was made.
    ~PgDatabase() {
        if (!available()) return;
        journal::Target server = mine;
        server.database = serverDatabase;
        runSql(server, {"DROP DATABASE " + mine.database + " WITH (FORCE)"});
    }
    // Creates the database. Without QX_TEST_PG_URL it stays off, which is an error only when
    // QX_REQUIRE_PG=1 asks for a server. Returns what went wrong, empty when nothing did.
    QString create() {
        const QString url = qEnvironmentVariable("QX_TEST_PG_URL");
        if (url.isEmpty()) {
            return qEnvironmentVariable("QX_REQUIRE_PG") == QLatin1String("1")
                       ? QStringLiteral("QX_REQUIRE_PG=1 but QX_TEST_PG_URL is not set")
                       : QString();
        }
        QString error;
        const journal::Target server = journal::Target::parse(url, &error);
        if (server.kind != journal::Target::Kind::Postgres)
            return QStringLiteral("QX_TEST_PG_URL is no PostgreSQL URL: ") + error;
        journal::Target own = server;
        own.database = "quellix_" + QUuid::createUuid().toString(QUuid::Id128).left(12);
        error = runSql(server, {"CREATE DATABASE " + own.database});
        if (error.isEmpty()) {
            mine = own;
            serverDatabase = server.database;
        }
        return error;
    }
    bool available() const { return mine.kind == journal::Target::Kind::Postgres; }
    // The database; kind Off when there is no server.
    const journal::Target& target() const { return mine; }

private:
    journal::Target mine;
    QString serverDatabase;  // the one the server was started with, to connect to for the drop
};

}  // namespace testsupport
