// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include "journal/JournalRecord.h"

namespace testsupport {

// A record as the tool begins one, at `timeMs` after the epoch so lists have a known order.
inline journal::Record sampleRecord(journal::Action action, const QString& port, qint64 timeMs) {
    journal::Record record = journal::Record::begin(action, port, QStringLiteral("2.0"));
    record.time = QDateTime::fromMSecsSinceEpoch(timeMs, Qt::UTC);
    return record;
}

}  // namespace testsupport
