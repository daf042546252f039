// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/JournalLog.h"

// Warnings show by default; the decisions behind them only when asked for.
Q_LOGGING_CATEGORY(lcJournal, "quellix.journal", QtWarningMsg)
