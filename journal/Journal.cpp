// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/Journal.h"

#include "journal/JournalLog.h"
#include "journal/JournalStoreQueue.h"
#include "journal/Text.h"

namespace journal {

Journal::Journal(const Target& target, const Target& local, QObject* parent)
    : QObject(parent),
      where(target),
      localTarget(local),
      primary(std::make_unique<Store>(target)) {}

Journal::~Journal() = default;

bool Journal::open() {
    if (opened) return failure.isEmpty();
    opened = true;
    if (where.kind == Target::Kind::Off) return true;
    if (where.kind == Target::Kind::Postgres) {
        local = std::make_unique<Store>(localTarget);
        if (!local->open(&localFailure))
            qCInfo(lcJournal) << "no local journal to fall back on:" << localFailure;
    }
    if (!primary->open(&failure)) {
        serverDown = true;
        serverFault = primary->lastFault();
        return false;
    }
    if (where.kind == Target::Kind::Postgres) {
        const SyncResult result = sync();
        if (result.sent > 0) qCInfo(lcJournal) << "sent" << result.sent << "waiting records";
    }
    return true;
}

void Journal::append(Record record) {
    if (forward) return forward(std::move(record));
    open();
    if (where.kind == Target::Kind::Off) return;
    QString error = failure;
    if (!serverDown && primary->append(record, &error)) {
        emit recorded();
        return;
    }
    if (where.kind == Target::Kind::Sqlite) {
        warnOnce(Warned::Lost,
                 Text::tr("the journal %1 cannot be written (%2); this operation is not "
                          "recorded")
                     .arg(where.display(), error));
        return;
    }
    // Refused for what it holds: the server is fine, and the next record may well go.
    if (!serverDown && primary->lastFault() == Store::Fault::Content)
        return setAside(record, error);
    if (!serverDown) {
        failure = error;
        serverFault = primary->lastFault();
        serverDown = true;  // one timeout per run is enough
    }
    qCInfo(lcJournal) << "server unusable, keeping the record locally:" << failure;
    keepLocally(record);
}

// What is wrong with the server, in the words that fit: a server that answered is never
// called unreachable.
QString Journal::serverTrouble() const {
    switch (serverFault) {
        case Store::Fault::Slow:
            return Text::tr("the journal server %1 did not answer in time (%2)")
                .arg(where.display(), failure);
        case Store::Fault::Refused:
        case Store::Fault::Content:
            return Text::tr("the journal server %1 refused the record (%2)")
                .arg(where.display(), failure);
        case Store::Fault::None:
        case Store::Fault::Unreachable:
            break;
    }
    return Text::tr("the journal server %1 cannot be reached (%2)").arg(where.display(), failure);
}

bool Journal::keepLocally(Record& record) {
    QString error;
    if (local && local->append(record, &error, where.display())) {
        warnOnce(Warned::Fallback,
                 Text::tr("%1; records are kept in %2 and sent on the next run that reaches it")
                     .arg(serverTrouble(), localTarget.display()));
        return true;
    }
    if (!local) error = Text::tr("no local journal");
    warnOnce(Warned::Lost,
             Text::tr("%1 and the local journal %2 cannot be written (%3); this operation is not "
                      "recorded")
                 .arg(serverTrouble(), localTarget.display(), error));
    return false;
}

void Journal::setAside(Record& record, const QString& why) {
    QString error;
    const bool kept = local && local->append(record, &error) &&
                      SyncQueue(*local).setAside(record.id, why, &error);
    if (!local) error = Text::tr("no local journal");
    if (kept)
        warnOnce(
            Warned::SetAside,
            Text::tr("the journal server %1 refused a record for what it holds (%2); it is kept "
                     "in %3 as journal record %4 and not sent again")
                .arg(where.display(), why, localTarget.display(), QString::number(record.id)));
    else
        warnOnce(Warned::Lost,
                 Text::tr("the journal server %1 refused a record for what it holds (%2) "
                          "and the local journal %3 cannot be written (%4); this "
                          "operation is not recorded")
                     .arg(where.display(), why, localTarget.display(), error));
}

// One waiting record to the server, marked sent only once the server has it. False when the
// sync cannot go on.
bool Journal::sendWaiting(Record& record, SyncResult& result) {
    const qint64 localId = record.id;
    QString error;
    // The server keeps one copy per origin, so a record sent before a crash is not doubled.
    if (!primary->append(record, &error)) {
        if (primary->lastFault() == Store::Fault::Content) {
            result.setAside << Text::tr("record %1: %2").arg(localId).arg(error);
            asideThisRun << result.setAside.last();
            return SyncQueue(*local).setAside(localId, error, &result.error);
        }
        serverDown = true;
        serverFault = primary->lastFault();
        failure = error;
        result.error = serverTrouble();
        return false;
    }
    bool claimed = false;
    if (!SyncQueue(*local).markSent(localId, where.display(), &claimed, &result.error))
        return false;
    if (claimed) {
        ++result.sent;
        ++sent;
    }
    return true;
}

Journal::SyncResult Journal::sync() {
    SyncResult result;
    open();
    if (where.kind != Target::Kind::Postgres) return result;
    // Nothing can be said about what waits while the local journal cannot be read; it was
    // tried once on opening, and a locked one has had its wait.
    if (!local || !local->isOpen()) {
        result.error = Text::tr("the local journal %1 cannot be read (%2)")
                           .arg(localTarget.display(), localFailure);
        return result;
    }
    result.otherTargets = SyncQueue(*local).waitingCounts(&result.error);
    result.left = result.otherTargets.take(where.display());
    if (!result.error.isEmpty()) return result;
    sendAll(result);
    // Counted afresh: another sync may have sent some meanwhile.
    QString ignored;
    result.left = SyncQueue(*local).waitingCounts(&ignored).value(where.display());
    qCDebug(lcJournal) << "sync: sent" << result.sent << "left" << result.left;
    return result;
}

void Journal::sendAll(SyncResult& result) {
    if (serverDown) {
        result.error = serverTrouble();
        return;
    }
    QList<Record> waiting = SyncQueue(*local).pending(where.display(), &result.error);
    for (Record& record : waiting)
        if (!result.error.isEmpty() || !sendWaiting(record, result)) break;
}

void Journal::warnOnce(Warned kind, const QString& text) {
    if (warned & int(kind)) return;
    warned |= int(kind);
    qCInfo(lcJournal) << text;
    emit warning(text);
}

std::unique_ptr<Journal> chosen(bool disabled, const QString& option, QString* error) {
    const Target target = Target::choose(disabled, option, error);
    if ((error && !error->isEmpty()) || target.kind == Target::Kind::Off) return nullptr;
    return std::make_unique<Journal>(target);
}

}  // namespace journal
