// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>

// Over a file size limit (ulimit -f) the system would kill the program mid-save; ignored, the
// write fails with its error instead, the save says so and the old file stays.
inline void ignoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}
