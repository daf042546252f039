// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "journal/JournalRecord.h"
#include "journal/JournalStore.h"
#include "journal/JournalTarget.h"

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
    const Target& fallbackTarget() const { return localTarget; }
    // The target's store, for listings; open() first.
    Store& store() { return *primary; }

    // Records `record`; never throws, and tries an unreachable server only once per run.
    void append(Record record);
    // Hands every record to `sink` instead of storing it here, as a Worker (JournalWorker.h)
    // does to keep a slow server off the caller's thread; empty: stored here again.
    void forwardTo(std::function<void(Record)> sink) { forward = std::move(sink); }

    struct SyncResult {
        int sent = 0;          // by this call: a record another sync sent meanwhile is not counted
        int left = 0;          // still waiting for this server
        QStringList setAside;  // "record N: why", refused by the server for content
        QMap<QString, int> otherTargets;  // records waiting for other servers
        QString error;                    // the local journal or the server could not be used
    };
    // Sends the records the local journal keeps for this server, each exactly once; marks each
    // sent only once the server has it.
    SyncResult sync();
    // Records sent by every sync of this run, the one on opening included.
    int sentCount() const { return sent; }
    // Records every sync of this run set aside, "record N: why".
    QStringList setAsideRecords() const { return asideThisRun; }

signals:
    // A journal problem the user should see, at most once per kind per run.
    void warning(const QString& text);
    // A record went into the target, so a listing of it has something new.
    void recorded();

private:
    enum class Warned { Fallback = 1, Lost = 2, SetAside = 4 };
    void warnOnce(Warned kind, const QString& text);
    bool keepLocally(Record& record);
    void setAside(Record& record, const QString& why);
    QString serverTrouble() const;
    void sendAll(SyncResult& result);
    bool sendWaiting(Record& record, SyncResult& result);

    Target where;
    Target localTarget;
    std::function<void(Record)> forward;
    std::unique_ptr<Store> primary;
    std::unique_ptr<Store> local;
    bool opened = false;
    bool serverDown = false;
    Store::Fault serverFault = Store::Fault::None;
    QString failure;
    QString localFailure;
    int warned = 0;
    int sent = 0;
    QStringList asideThisRun;
};

// The journal a program records into, chosen as every front end chooses it (--no-journal,
// --journal, QUELLIX_JOURNAL or the default), not yet opened: the caller connects to its
// warnings first, or opens it on a thread of its own. Null when recording is off, or when the
// choice itself is wrong, with `error` saying why.
std::unique_ptr<Journal> chosen(bool disabled, const QString& option, QString* error);

}  // namespace journal
