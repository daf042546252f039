// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ctrl-C (SIGINT) and SIGTERM counted instead of ending the program, for a command that winds
// down in steps; the count is polled from the event loop.
namespace cli {

void countInterrupts();
int interruptions();

}  // namespace cli
