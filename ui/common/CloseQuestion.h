// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Asked when a window is closed while units are being read or written: "Wait" (the default,
// so a stray Enter keeps the work going) or "Close Anyway". True when the user closes anyway.
bool askCloseAnyway(QWidget* parent, const QString& title, const QString& text);
