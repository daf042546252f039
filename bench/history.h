// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Lists a journal of 10,000 records in the History window and prints how long it took;
// 0 when every record was listed. Needs a QApplication. The records go into a new SQLite
// journal, or with `server` (a postgresql:// URL) into that journal: give a throwaway one.
int benchHistory(const QString& server = {});
