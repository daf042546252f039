#pragma once

// The exit status of quellix-cli. With several ports the highest one wins, so the order is
// from best to worst.
namespace cli {
enum ExitCode : int {
    Done = 0,         // done, or equal
    Differences = 1,  // diff or verify found values that differ
    Usage = 2,        // the command line is wrong
    PortFailed = 3,   // a port could not be opened
    NoUnit = 4,       // no unit answered, its replies were unreadable, or the line was lost
    FileFailed = 5,   // a file could not be read or written
};
}  // namespace cli
