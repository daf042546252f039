// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "provision/RunCode.h"

// The exit status of quellix-cli: a unit's run code, and the command line's own failures.
namespace cli {
using ExitCode = provision::RunCode;
using enum provision::RunCode;
}  // namespace cli
