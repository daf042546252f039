// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rowgrid {

// The phone and channel frames list their rows on one grid: row r's top lies this many twips
// from the frame's corner.
constexpr int top(int row) {
    constexpr int first = 360;
    constexpr int pitch = 360;
    return first + pitch * row;
}

}  // namespace rowgrid
