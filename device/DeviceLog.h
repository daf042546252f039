// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// State changes of the line and of the procedures, for QT_LOGGING_RULES="quellix.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcLink)       // quellix.link: open, close, lost
Q_DECLARE_LOGGING_CATEGORY(lcProcedure)  // quellix.procedure: start, finish, slipped replies
