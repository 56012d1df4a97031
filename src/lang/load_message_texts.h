// SPDX-License-Identifier: GPL-3.0-or-later
// Message texts from the [Dynamic] section of a language file.
#pragma once

#include "lang/ini_file.h"

namespace tavoric {

// For every key of the table, in table order: the value in [Dynamic] (or, when absent, the
// current text in quotes) without its first and last character, "\n" turned into CR LF.
void LoadMessageTexts(const IniFile& languageFile);

}  // namespace tavoric
