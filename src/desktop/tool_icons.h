// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar's icons, drawn in one flat style: dark outline, one accent colour, on a 24-unit
// grid.
#pragma once

#include <QIcon>
#include <string_view>

namespace tavoric {

// The icon of a command by its menu item name; an empty icon for a name without one.
QIcon ToolIcon(std::string_view commandName);

// The program's own icon, the drawing that is also installed for the desktop entry: the window
// icon and the start-up window's picture.
QIcon ProgramIcon();

}  // namespace tavoric
