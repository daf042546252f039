// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A tool window asked for again comes to the front, wherever it was left.
inline void showAndRaise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
