// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/RecordChanges.h"

#include <QCoreApplication>
#include <algorithm>

#include "configfile/ConfigDocument.h"
#include "journal/JournalStore.h"
#include "journal/RecordDocument.h"
#include "journal/Text.h"

namespace journal {

namespace {

Changes unknown(const QString& why) {
    Changes changes;
    changes.why = why;
    return changes;
}

// The same unit: by USB serial number where both records know it, else by port name alone.
bool sameUnit(const Record& a, const Record& b) {
    if (a.port != b.port) return false;
    if (a.identity.serialNumber.isEmpty() || b.identity.serialNumber.isEmpty()) return true;
    return a.identity.serialNumber == b.identity.serialNumber &&
           a.identity.vendorId == b.identity.vendorId &&
           a.identity.productId == b.identity.productId;
}

Changes sentChanges(const Record& record, const std::optional<Record>& before) {
    if (!before)
        return unknown(
            Text::tr("the journal holds no read of this unit before it, so what it changed "
                     "cannot be told"));
    const ConfigDocument was = documentOf(*before);
    if (!was.ok) return unknown(Text::tr("record %1: %2").arg(before->id).arg(was.error));
    const ConfigDocument sent = documentOf(record);
    if (!sent.ok) return unknown(sent.error);
    Changes changes;
    changes.known = true;
    changes.before = before;
    changes.lines = differences(was.set, sent.set, std::min(was.phoneCount, sent.phoneCount));
    return changes;
}

Changes foundChanges(const Record& record) {
    Changes changes;
    changes.known = true;
    if (record.outcome == Outcome::Done) return changes;
    if (endedBadly(record.outcome))
        return unknown(Text::tr("it failed, so it found nothing to compare"));
    if (record.reasonCode != QLatin1String(DifferencesCode))
        return unknown(Text::tr("the record keeps only how many values differed (%1), not which")
                           .arg(record.differences));
    changes.lines = record.reason.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return changes;
}

}  // namespace

bool readStateFor(const Record& candidate, const Record& record) {
    const bool reads = candidate.action == Action::Read || candidate.action == Action::Backup;
    return reads && candidate.id < record.id && candidate.outcome == Outcome::Done &&
           !candidate.sha256.isEmpty() && sameUnit(candidate, record);
}

std::optional<Record> stateBefore(const Record& record, const QList<Record>& candidates) {
    for (const Record& r : candidates)
        if (readStateFor(r, record)) return r;
    return std::nullopt;
}

Changes changesOf(const Record& record, const std::optional<Record>& before) {
    switch (record.action) {
        case Action::Write:
        case Action::Restore:
            return sentChanges(record, before);
        case Action::Verify:
        case Action::Compare:
            return foundChanges(record);
        case Action::Read:
        case Action::Backup:
            break;
    }
    return unknown(Text::tr("a read changes nothing on the unit"));
}

Changes changesOf(const Store& store, const Record& record) {
    if (record.action != Action::Write && record.action != Action::Restore)
        return changesOf(record, std::nullopt);
    Filter filter;
    filter.port = record.port;
    filter.beforeId = record.id;
    filter.limit = LookBack;
    QString error;
    const QList<Record> candidates = store.list(filter, &error);
    if (!error.isEmpty()) return unknown(error);
    return changesOf(record, stateBefore(record, candidates));
}

}  // namespace journal
