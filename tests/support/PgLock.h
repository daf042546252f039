// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include "journal/JournalTarget.h"

namespace testsupport {

// Holds a lock on a PostgreSQL journal from a connection of its own until released (or 60 s),
// as another client would.
class PgLock : public QThread {
public:
    PgLock(const journal::Target& target, const QString& statement)
        : target(target), statement(statement) {
        start();
        ready.acquire();
    }
    ~PgLock() override { release(); }
    void release() {
        done.release();
        wait();
    }
    bool locked = false;

private:
    void run() override {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "pglock");
            db.setHostName(target.host);
            db.setPort(target.port);
            db.setUserName(target.user);
            db.setDatabaseName(target.database);
            QSqlQuery query(db);
            locked = db.open() && query.exec("BEGIN") && query.exec(statement);
            ready.release();
            done.tryAcquire(1, 60000);
            query.exec("ROLLBACK");
        }
        QSqlDatabase::removeDatabase("pglock");
    }
    journal::Target target;
    QString statement;
    QSemaphore ready, done;
};

}  // namespace testsupport
