// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps every window within the screen it appears on, whatever the screen's size and scale.
#pragma once

#include <QRect>

class QWidget;

namespace tavoric {

// The part of the window's screen that windows may use (the screen without its panels).
QRect AvailableArea(const QWidget* window);

// Called as a top-level window is about to appear: it becomes no larger than the available
// area, and a window that was placed (a remembered place) is moved wholly onto it. A window
// whose controls need more room than that gets its controls in a scroll area, with its row of
// buttons kept visible below.
void FitToScreen(QWidget* window);

}  // namespace tavoric
