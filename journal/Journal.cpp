// SPDX-License-Identifier: GPL-3.0-or-later
#include "Journal.h"

#include "JournalLog.h"

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
        QString localError;
        if (!local->open(&localError))
            qCInfo(lcJournal) << "no local journal to fall back on:" << localError;
    }
    if (!primary->open(&failure)) {
        serverDown = true;
        return false;
    }
    if (where.kind == Target::Kind::Postgres) {
        const SyncResult result = sync();
        if (result.sent > 0) qCInfo(lcJournal) << "sent" << result.sent << "waiting records";
    }
    return true;
}

void Journal::append(Record record) {
    open();
    if (where.kind == Target::Kind::Off) return;
    QString error = failure;
    if (!serverDown && primary->append(record, &error)) return;
    if (where.kind == Target::Kind::Sqlite) {
        warnOnce(Warned::Lost, tr("the journal %1 cannot be written (%2); this operation is not "
                                  "recorded")
                                   .arg(where.display(), error));
        return;
    }
    if (!serverDown) {
        failure = error;
        serverDown = true;  // one timeout per run is enough
    }
    qCInfo(lcJournal) << "server unusable, keeping the record locally:" << failure;
    keepLocally(record);
}

bool Journal::keepLocally(Record& record) {
    QString error;
    if (local && local->append(record, &error, where.display())) {
        warnOnce(Warned::Fallback,
                 tr("the journal server %1 cannot be reached (%2); records are kept in %3 and "
                    "sent on the next run that reaches it")
                     .arg(where.display(), failure, localTarget.display()));
        return true;
    }
    if (!local) error = tr("no local journal");
    warnOnce(Warned::Lost, tr("the journal server %1 cannot be reached (%2) and the local journal "
                              "%3 cannot be written (%4); this operation is not recorded")
                               .arg(where.display(), failure, localTarget.display(), error));
    return false;
}

Journal::SyncResult Journal::sync() {
    SyncResult result;
    open();
    if (where.kind != Target::Kind::Postgres) return result;
    if (serverDown) return result.error = failure, result;
    if (!local || !local->isOpen()) return result;
    QList<Record> waiting = local->pending(where.display(), &result.error);
    result.left = int(waiting.size());
    for (Record& record : waiting) {
        const qint64 localId = record.id;
        // The server keeps one copy per origin, so a record sent before a crash is not doubled.
        if (!primary->append(record, &result.error)) {
            serverDown = true;
            failure = result.error;
            break;
        }
        if (!local->markSent(localId, &result.error)) break;
        ++result.sent;
        ++sent;
        --result.left;
    }
    qCDebug(lcJournal) << "sync: sent" << result.sent << "left" << result.left;
    return result;
}

void Journal::warnOnce(Warned kind, const QString& text) {
    if (warned & int(kind)) return;
    warned |= int(kind);
    qCInfo(lcJournal) << text;
    emit warning(text);
}

}  // namespace journal
