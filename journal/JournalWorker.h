// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QThread>
#include <optional>

#include "journal/JournalRecord.h"
#include "journal/JournalStore.h"
#include "journal/JournalTarget.h"
#include "journal/RecordChanges.h"

namespace journal {

class Journal;

// A journal's work on a thread of its own: a server that stalls (its table locked, its link
// gone quiet) then holds up that thread only, never the window's event loop. The thread opens
// connections of its own, as a database connection serves only the thread that made it.
// Requests are served in the order given, so a listing asked for after a record shows it.
class Worker : public QObject {
    Q_OBJECT
public:
    // The worker serving `journal`, made on the first call: from then on the journal hands
    // every record to it and returns at once. Owned by the journal.
    static Worker* of(Journal* journal);
    // Returns once every record handed over is stored or kept locally; each wait on a server
    // is bounded, so this is too.
    ~Worker() override;

    // Blocks until every record handed over so far is stored or kept locally (each wait on a
    // server bounded): for whoever must read them back at once.
    void waitForRecords();

    // Results come through listed() and found() with the ticket returned here.
    quint64 list(const Filter& filter);
    quint64 find(qint64 id);  // the record with its configuration, and its changes
    // Whether a request has been given and not answered yet.
    bool waiting() const { return answered < asked; }
    const Target& target() const { return where; }

signals:
    void listed(quint64 ticket, const QList<journal::Record>& records, const QString& error);
    // `record` empty: none with that id, or `error` says why it could not be read.
    void found(quint64 ticket, const std::optional<journal::Record>& record,
               const journal::Changes& changes, const QString& error);

private:
    class Back;
    explicit Worker(Journal* journal);
    void record(Record record);
    void answer(quint64 ticket);

    Journal* front;
    Target where;
    QThread thread;
    Back* back;
    quint64 asked = 0;
    quint64 answered = 0;
};

}  // namespace journal
