// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "JournalRecord.h"
#include "JournalStore.h"
#include "JournalTarget.h"

namespace journal {

// What the provisioning code records into. A journal that cannot be written never stops a
// transfer: a record that cannot reach the server is kept in the local journal and sent on a
// later run; one that cannot be kept anywhere is reported once through warning().
class Journal : public QObject {
    Q_OBJECT
public:
    // `local` keeps the records a server cannot take for now.
    explicit Journal(const Target& target, const Target& local = Target::defaultSqlite(),
                     QObject* parent = nullptr);
    ~Journal() override;

    // Opens the target; for a server also the local journal, and sends the records waiting
    // there. False, with openError() saying why, when the target itself cannot be used.
    bool open();
    QString openError() const { return failure; }
    const Target& target() const { return where; }
    // The target's store, for listings; open() first.
    Store& store() { return *primary; }

    // Records `record`; never throws, and tries an unreachable server only once per run.
    void append(Record record);

    struct SyncResult {
        int sent = 0;
        int left = 0;  // still waiting for the server
        QString error;
    };
    // Sends the records the local journal keeps for this server, each exactly once.
    SyncResult sync();
    // Records sent by every sync of this run, the one on opening included.
    int sentCount() const { return sent; }

signals:
    // A journal problem the user should see, at most once per kind per run.
    void warning(const QString& text);

private:
    enum class Warned { Fallback = 1, Lost = 2 };
    void warnOnce(Warned kind, const QString& text);
    bool keepLocally(Record& record);

    Target where;
    Target localTarget;
    std::unique_ptr<Store> primary;
    std::unique_ptr<Store> local;
    bool opened = false;
    bool serverDown = false;
    QString failure;
    int warned = 0;
    int sent = 0;
};

}  // namespace journal
