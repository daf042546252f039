// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"
#include "provision/StationPlan.h"

namespace cli {

// Runs the station until `count` units are done (0: until interrupted); the exit status is
// 4 when any unit failed, else 1 when any differed, else 0.
int station(const Invocation& line, provision::StationPlan& plan, int count);

}  // namespace cli
