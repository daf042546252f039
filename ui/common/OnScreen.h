// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {

// Shrinks `window` where its screen's available area is smaller and moves it inside that area,
// title bar and frame included: a window reaching below a small screen or behind a panel
// hides its buttons. Call it once the window is shown, when its frame is known.
inline void keepOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(window->size().boundedTo(room.size() - frame));
    QRect placed(window->frameGeometry().topLeft(), window->size() + frame);
    placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() + 1 - placed.width()));
    placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() + 1 - placed.height()));
    window->move(placed.topLeft());
}

}  // namespace ui
