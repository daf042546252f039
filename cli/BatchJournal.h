// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "cli/Commands.h"
#include "journal/Journal.h"

// The journal a quellix-cli batch records each unit's run into.
namespace cli {

// The journal the line asks for (--journal, QUELLIX_JOURNAL or the default), open; null when
// --no-journal turns it off or it cannot be used, having warned on standard error. Never a
// reason to stop a transfer.
std::unique_ptr<journal::Journal> openJournal(const Invocation& line);

}  // namespace cli
