#pragma once

#include "JournalRecord.h"
#include "UnitRun.h"

namespace provision {

// The journal record of one finished run: what was done to which unit, how it ended, and the
// configuration it read or sent.
journal::Record runRecord(const RunInput& input, const RunResult& result);

}  // namespace provision
