// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/JournalRecord.h"
#include "provision/UnitRun.h"

namespace provision {

// How a finished run ended: a run the user cut short is interrupted, not failed.
journal::Outcome outcomeOf(const RunResult& result);

// The journal record of one finished run: what was done to which unit, how it ended, and the
// configuration it read or sent.
journal::Record runRecord(const RunInput& input, const RunResult& result);
// The record of the full read ahead of a write, holding what the unit had.
journal::Record backupRecord(const RunInput& input, const RunResult& result);

}  // namespace provision
