// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Open, append, sync and fallback decisions; QT_LOGGING_RULES="quellix.journal.debug=true"
// shows them all.
Q_DECLARE_LOGGING_CATEGORY(lcJournal)
