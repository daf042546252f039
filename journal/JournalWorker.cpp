// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/JournalWorker.h"

#include <QCoreApplication>
#include <memory>

#include "journal/Journal.h"
#include "journal/JournalLog.h"

namespace journal {

namespace {

struct WorkerText {
    Q_DECLARE_TR_FUNCTIONS(journal::Worker)
};

}  // namespace

// Lives on the worker's thread: the journal that records, and a read-only view of it where it
// cannot be written (a read-only mount), so it still lists.
class Worker::Back : public QObject {
public:
    Back(const Target& target, const Target& local) : journal(*new Journal(target, local, this)) {}

    // `told` is what the front journal said already when it was opened itself.
    void open(Journal* front, const QString& told) {
        // What goes wrong here is the front journal's to report, to whoever listens to it.
        connect(&journal, &Journal::warning, front,
                [front](const QString& text) { emit front->warning(text); });
        connect(&journal, &Journal::recorded, front, [front] { emit front->recorded(); });
        if (journal.open()) return;
        const Target& where = journal.target();
        QString error;
        if (where.kind == Target::Kind::Sqlite) {
            auto view = std::make_unique<Store>(where, Store::Access::ReadOnly);
            if (view->open(&error)) {
                reader = std::move(view);
                readOnly = WorkerText::tr(
                               "the journal %1 can only be read here (%2): History lists it, "
                               "but nothing done in this window is recorded")
                               .arg(where.display(), journal.openError());
            }
        }
        const QString text = readOnly.isEmpty() ? journal.openError() : readOnly;
        if (text != told)
            QMetaObject::invokeMethod(front, [front, text] { emit front->warning(text); });
    }

    void record(Record record) {
        if (reader) {
            qCInfo(lcJournal) << "not recorded:" << readOnly;
            return;
        }
        journal.append(std::move(record));
    }

    // Tries again to open it if that failed before: a server may be back.
    Store* store(QString* error) {
        Store& store = reader ? *reader : journal.store();
        return store.open(error) ? &store : nullptr;
    }

private:
    Journal& journal;  // a child, so it moves to the thread along
    std::unique_ptr<Store> reader;
    QString readOnly;
};

Worker* Worker::of(Journal* journal) {
    if (auto* worker = journal->findChild<Worker*>(QString(), Qt::FindDirectChildrenOnly))
        return worker;
    return new Worker(journal);
}

Worker::Worker(Journal* journal)
    : QObject(journal),
      front(journal),
      where(journal->target()),
      back(new Back(journal->target(), journal->fallbackTarget())) {
    thread.setObjectName(QStringLiteral("journal"));
    back->moveToThread(&thread);
    thread.start();
    QMetaObject::invokeMethod(
        back, [b = back, journal, told = journal->openError()] { b->open(journal, told); });
    journal->forwardTo([this](Record record) { this->record(std::move(record)); });
}

Worker::~Worker() {
    // After everything queued before it: no record handed over is left behind.
    QMetaObject::invokeMethod(back, [b = back] {
        delete b;
        QThread::currentThread()->quit();
    });
    thread.wait();
}

void Worker::waitForRecords() {
    QMetaObject::invokeMethod(
        back, [] {}, Qt::BlockingQueuedConnection);
}

void Worker::record(Record record) {
    QMetaObject::invokeMethod(
        back, [b = back, record = std::move(record)]() mutable { b->record(std::move(record)); });
}

void Worker::answer(quint64 ticket) {
    answered = qMax(answered, ticket);
}

quint64 Worker::list(const Filter& filter) {
    const quint64 ticket = ++asked;
    QMetaObject::invokeMethod(back, [this, b = back, filter, ticket] {
        QString error;
        QList<Record> records;
        if (Store* store = b->store(&error)) records = store->list(filter, &error);
        QMetaObject::invokeMethod(this, [this, ticket, records, error] {
            answer(ticket);
            emit listed(ticket, records, error);
        });
    });
    return ticket;
}

quint64 Worker::find(qint64 id) {
    const quint64 ticket = ++asked;
    QMetaObject::invokeMethod(back, [this, b = back, id, ticket] {
        QString error;
        std::optional<Record> record;
        Changes changes;
        if (Store* store = b->store(&error)) record = store->find(id, &error);
        if (record) changes = changesOf(*b->store(&error), *record);
        QMetaObject::invokeMethod(this, [this, ticket, record, changes, error] {
            answer(ticket);
            emit found(ticket, record, changes, error);
        });
    });
    return ticket;
}

}  // namespace journal
