// SPDX-License-Identifier: GPL-3.0-or-later
// Which commands of the main window are enabled follows from the survey and the open report
// windows: sections need routes, places need sections, and so on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/survey.h"

namespace tavoric {

struct CommandState {
    std::string_view name;  // menu item or tool button
    bool enabled;
};

struct CommandStates {
    std::string projectLabel;  // the survey area, shown in the bottom strip
    std::vector<CommandState> commands;

    // False for a name that is not in the list.
    bool Enabled(std::string_view name) const;
};

// The state of every command that depends on the data; commands not listed are always enabled.
// reportWindows counts the open report windows, not one that is closing.
CommandStates CommandStatesFor(const Survey& survey, int reportWindows);

}  // namespace tavoric
