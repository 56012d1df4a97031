// SPDX-License-Identifier: GPL-3.0-or-later
// What the entry windows share beyond the desktop's pieces: the program they work on, the
// headings of a place line, and what follows when a list window stored its copy.
#pragma once

#include <vector>

#include "desktop/desktop_shell.h"
#include "desktop/widgets.h"
#include "entry/entry_fields.h"

namespace tavoric {

// Route, section and place number and the place type of a place line.
extern const std::vector<ColumnHeading> kPlaceLineHeadings;

// After a list window's "&OK" stored its copy: the analysis selection forgets its routes when
// the structure changed, and the commands follow the data.
void ReportApplied(DesktopShell& shell, const ApplyResult& result);

}  // namespace tavoric
