// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ConfigurationSet.h"
#include "device/UnitSession.h"
#include "provision/UnitRun.h"

namespace safety {

// What the window is doing with the unit; None is 0, what a value-initialised one holds.
enum class Operation { None, Read, Write, Verify, CompareUnit, Backup, Restore };

// How a run of the window ended, kept for the boxes shown after its progress window closed.
struct RunEnd {
    Operation op = Operation::None;
    provision::RunResult result;
    provision::UnitRun::Step step = provision::UnitRun::Step::Read;
    UnitSession::Outcome last = UnitSession::Outcome::Completed;  // of its last procedure
    int done = 0, count = 0;                                      // of its last procedure
    ConfigurationSet unit;                                        // what its last read brought in
    bool backupAsked = false;  // a write that was to back the unit up first
    bool verifyAsked = false;  // a write that was to read the unit back
};

}  // namespace safety
