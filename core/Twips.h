// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Layout tables are written in twips; 15 twips are one pixel at 96 dots per inch.
// This is the one place where they become pixels.
namespace twips {

inline constexpr int PerPixel = 15;

constexpr int px(int tw) {
    return (2 * tw + PerPixel) / (2 * PerPixel);
}  // rounded to nearest

inline QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// One row of a layout table: a control's object name and its rectangle in twips.
struct Place {
    const char* name;
    int left, top, width, height;
    QRect pixels() const { return rect(left, top, width, height); }
};

}  // namespace twips
