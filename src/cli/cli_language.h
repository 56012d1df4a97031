// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli speaks the language the user chose in the desktop program: its messages and
// report headings come from the same language file.
#pragma once

#include <string>

namespace tavoric {

// The folder of the running program, with a trailing "/"; "./" when it cannot be told.
std::string RunningProgramFolder();

// Reads the language setting from the settings file and loads that language's message texts.
void FollowLanguageSetting(const std::string& settingsPath, const std::string& programFolder);

// Both, for the running tool and the user's own settings file.
void FollowDesktopLanguage();

}  // namespace tavoric
