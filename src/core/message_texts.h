// SPDX-License-Identifier: GPL-3.0-or-later
// The table of replaceable run-time texts: every message, question, button caption and report
// heading has a key (two letters, five digits) and a Dutch default; a language file may replace
// any entry. Texts are code page 1252 bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavoric {

// The current text of a key; the empty text for a key that is not in the table.
const std::string& MessageText(std::string_view key);
// Replaces the current text of a key that is in the table; other keys are ignored.
void SetMessageText(std::string_view key, std::string value);
void SetDefaultMessageTexts();
// Every key in table order (the order a language file is read in).
const std::vector<std::string>& MessageKeys();
// The built-in Dutch text of a key.
const std::string& DefaultMessageText(std::string_view key);

// Texts that no language file replaces: Dutch for "Nederlands", English for any other language.
struct FixedTextSet {
    std::string newProjectBaseName;  // "Nieuw" / "New"
    std::string readMeFileName;      // "LeesMij.txt" / "ReadMe.txt"
    std::string versionLine;         // "Versie %s" / "Version %s"
};
void SetFixedTexts(std::string_view language);
const FixedTextSet& FixedTexts();
inline constexpr std::string_view kFolderNotFoundText = "Folder not found: \"%s\"";
inline constexpr std::string_view kRestartForLanguageText =
    "Restart %s to activate the language.\r\rStart %s opnieuw op om de taal te activeren.";
inline constexpr std::string_view kBuildText = "Build: %s";

inline constexpr std::string_view kProductName = "Tavoric";
inline constexpr std::string_view kDutch = "Nederlands";

}  // namespace tavoric
