// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How one unit's run ended; also quellix-cli's exit status. With several units the highest one
// wins, so the order is from best to worst.
namespace provision {
enum RunCode : int {
    Done = 0,         // done, or equal
    Differences = 1,  // diff or verify found values that differ
    Usage = 2,        // the command line is wrong
    PortFailed = 3,   // a port could not be opened
    NoUnit = 4,       // no unit answered, its replies were unreadable, or the line was lost
    FileFailed = 5,   // a file could not be read or written
};
}  // namespace provision
