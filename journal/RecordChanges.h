// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "journal/JournalRecord.h"

namespace journal {

class Store;

// What one record changed or found, in the lines of differences() ("phone 3: "1" -> "2"").
struct Changes {
    bool known = false;  // false: `why` says why the journal cannot tell
    QString why;
    // A write or restore: the record holding the unit's state just before it (its backup or
    // the last good read of the same unit), the state to go back to.
    std::optional<Record> before;
    QStringList lines;  // empty and known: nothing changed, or nothing differed
};

// The code a verify's or compare's record gives its reason when it keeps the differences it
// found, one line each, as its English text.
inline constexpr char DifferencesCode[] = "differences";

// Whether `candidate`, kept before `record`, read the same unit in full and ended well: the
// unit's state as a write or restore found it when nothing came between.
bool readStateFor(const Record& candidate, const Record& record);
// The record holding the unit's state just before `record`: the newest of `candidates` (newest
// first, as Store::list gives them) that readStateFor it. Nothing when none does.
std::optional<Record> stateBefore(const Record& record, const QList<Record>& candidates);
// How far back a write's earlier state is looked for among the records of its port: a unit is
// read before it is written, so older records say nothing about what the write changed.
inline constexpr int LookBack = 50;

// `record`'s changes with `before` as the unit's earlier state (unused but for a write or
// restore). Pure, so History, the command line and tests agree.
Changes changesOf(const Record& record, const std::optional<Record>& before);

// The same, looking the state before up in `store`. A failed lookup says so in `why`.
Changes changesOf(const Store& store, const Record& record);

}  // namespace journal
