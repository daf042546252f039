// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/JournalStoreQueue.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "journal/JournalStore.h"

namespace journal {

QList<Record> SyncQueue::pending(const QString& server, QString* error) const {
    return store.select(QStringLiteral("pending_for = ?"), {server},
                        QStringLiteral(" ORDER BY time_ms, journal.id"), true, error);
}

bool SyncQueue::markSent(qint64 id, const QString& server, bool* claimed, QString* error) {
    QSqlQuery query(store.database());
    *claimed = false;
    if (!store.exec(query,
                    QStringLiteral("UPDATE journal SET pending_for = NULL WHERE id = ? AND "
                                   "pending_for = ?"),
                    {id, server}, error))
        return false;
    *claimed = query.numRowsAffected() == 1;
    return true;
}

bool SyncQueue::setAside(qint64 id, const QString& reason, QString* error) {
    QSqlQuery query(store.database());
    return store.exec(
        query, QStringLiteral("UPDATE journal SET pending_for = NULL, set_aside = ? WHERE id = ?"),
        {Store::textValue(reason), id}, error);
}

QMap<QString, int> SyncQueue::waitingCounts(QString* error) const {
    QMap<QString, int> counts;
    QSqlQuery query(store.database());
    if (!store.exec(
            query,
            QStringLiteral("SELECT pending_for, COUNT(*) FROM journal WHERE pending_for IS NOT "
                           "NULL GROUP BY pending_for"),
            {}, error))
        return counts;
    while (query.next())
        counts.insert(query.value(0).toString(), query.value(1).toInt());
    return counts;
}

}  // namespace journal
