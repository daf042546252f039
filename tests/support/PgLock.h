// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSemaphore>
#include <QSqlQuery>
#include <QThread>

#include "journal/JournalTarget.h"
#include "tests/support/PgDatabase.h"

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
            QSqlDatabase db = rawDatabase(target, "pglock");
            QSqlQuery query(db);
            locked = db.isOpen() && query.exec("BEGIN") && query.exec(statement);
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
