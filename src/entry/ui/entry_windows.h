// SPDX-License-Identifier: GPL-3.0-or-later
// The survey data entry windows of the main window: made once, refilled at every opening, and
// opened by the commands "&Algemeen" (F2), "&Routes", "&Secties", "&Parkeerplaatsen",
// "PP&E genereren..." and "&Kentekens" (F4) and their tool buttons.
#pragma once

namespace tavoric {

class DesktopShell;

// Makes the windows as children of the main window and plugs their commands in.
void AddEntryWindows(DesktopShell& shell);

}  // namespace tavoric
