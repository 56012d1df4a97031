// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangles on the desktop, for keeping windows within the screen.
#pragma once

namespace tavoric {

// A window's frame or the part of a screen that windows may use.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The frame made to fit the available area: no wider nor higher than it, and moved the least
// distance that puts it wholly inside (a frame above or left of the area comes to its edge).
ScreenRect FitWithin(const ScreenRect& frame, const ScreenRect& available);

}  // namespace tavoric
