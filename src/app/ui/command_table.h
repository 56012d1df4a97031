// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: menus, items, short-cuts, tool buttons and their hints, in the
// order in which they appear.
#pragma once

#include <span>
#include <string_view>

namespace tavoric {

struct MenuEntry {
    const char* name;     // object name of the menu
    const char* caption;  // UTF-8, with its & accelerator
};

struct CommandEntry {
    int menu;                // index into MainMenus()
    const char* name;        // object name of the menu item
    const char* caption;     // UTF-8, with its & accelerator
    const char* shortcut;    // portable key text, "" for none
    const char* toolButton;  // object name of its tool button, nullptr for none
    const char* hint;        // tool tip of the tool button
    bool separatorAfter;     // a separator follows the item in its menu
};

std::span<const MenuEntry> MainMenus();
// In menu order; the tool bar shows the commands with a tool button in the same order, with a
// separator wherever the menu changes.
std::span<const CommandEntry> MainCommands();
// The icon name (desktop/icons.h) of a command, "" for a command without an icon.
const char* CommandIconName(std::string_view commandName);

}  // namespace tavoric
