// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Interrupts.h"

#include <csignal>

namespace cli {

namespace {

volatile std::sig_atomic_t received = 0;

extern "C" void onInterrupt(int) {
    // Only a sig_atomic_t store is safe here; the event loop reads it.
    received = received + 1;
}

}  // namespace

void countInterrupts() {
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

int interruptions() {
    return received;
}

}  // namespace cli
