// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include "journal/JournalRecord.h"

namespace journal {

class Store;

// The records a local journal keeps for servers that could not take them yet: those
// Store::append was given a `pendingFor`. Works on an open store it does not own.
class SyncQueue {
public:
    explicit SyncQueue(Store& store) : store(store) {}

    // Oldest first, so a server receives them in the order they happened.
    QList<Record> pending(const QString& server, QString* error) const;
    // Marks record `id` as sent to `server`; *claimed is false when another sync did it
    // first, so two syncs at once never both count it.
    bool markSent(qint64 id, const QString& server, bool* claimed, QString* error);
    // Takes record `id` off the waiting list for good, with the server's reason.
    bool setAside(qint64 id, const QString& reason, QString* error);
    // How many records wait for each server.
    QMap<QString, int> waitingCounts(QString* error) const;

private:
    Store& store;
};

}  // namespace journal
