// SPDX-License-Identifier: GPL-3.0-or-later
// Icons: the desktop's icon theme first, else the drawings built into the program. The built-in
// drawings are symbolic, drawn in the palette's text colour, so they read on light and dark
// palettes alike.
#pragma once

#include <QIcon>
#include <QString>

namespace tavoric {

// The theme's icon of that freedesktop name ("document-open"), or the built-in drawing of the
// same name (":/icons/<name>.svg"); the program's own commands are named
// "tavoric-<command>-symbolic". A null icon for a name with neither.
QIcon NamedIcon(const QString& name);

// The program's own icon, the drawing that is also installed for the desktop entry: the window
// icon and the start-up window's picture.
QIcon ProgramIcon();

}  // namespace tavoric
