// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// quellix-cli: reads, writes and verifies units from the command line, several at once, and
// compares and shows configuration files. Needs a QCoreApplication; returns the exit status.
namespace cli {
int run(const QStringList& arguments);
}  // namespace cli
