// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "configfile/ConfigDocument.h"
#include "journal/JournalRecord.h"

namespace journal {

// The configuration a record keeps, as a file would give it. Refused (ok false, error saying
// why) when the record keeps none or when it no longer matches the record's fingerprint: a
// shared journal may have been altered by anyone who can write to it.
ConfigDocument documentOf(const Record& record);

}  // namespace journal
