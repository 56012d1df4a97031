// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli speaks the language the user chose in the desktop program: its messages and
// report headings come from the same language file.
#pragma once

#include <string>

namespace tavoric {

// The folder holding "Lng/" for a program in executableFolder (with a trailing "/"): the
// folder itself, the desktop program's folder of an installation ("../lib/tavoric/") or the
// folder above it (a build tree). The executable's folder when none holds "Lng/".
std::string LanguageProgramFolder(const std::string& executableFolder);

// Reads the language setting from the settings file and loads that language's message texts.
void FollowLanguageSetting(const std::string& settingsPath, const std::string& programFolder);

// Both, for the running tool and the user's own settings file.
void FollowDesktopLanguage();

}  // namespace tavoric
