// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>
#include <memory>

#include "journal/Journal.h"

class QAction;
class QWidget;

// Finds the main window's menu items and the windows they open the way a user would: by the
// item's shortcut or its text, then by the object name of the window that appears. The bench and
// the screenshots use it, so a window that a build does not have yet is reported, not guessed.
namespace bench {

// The action of `window` with this object name; failing that, the first with this shortcut, or
// with this text once its '&' marks are removed; null when there is none.
QAction* findAction(QWidget* window, const QString& objectName, const QKeySequence& shortcut,
                    const QString& text = {});

// A visible top-level window or dialog with this object name, waiting up to `timeoutMs` while
// the event loop runs; null when none showed.
QWidget* waitForWindow(const QString& objectName, int timeoutMs = 3000);

// Lets the event loop run for `ms`, so that showing, painting and the like are done.
void settle(int ms);

// An open SQLite journal in `folder`, so that what the window does is recorded as a user's
// would be; null, with the reason printed, when it cannot be opened.
std::unique_ptr<journal::Journal> scratchJournal(const QString& folder);

}  // namespace bench
