// SPDX-License-Identifier: GPL-3.0-or-later
// An INI-type text file held in memory: "[Section]" lines and "key=value" lines, code page 1252.
// Sections and keys are found without regard to case; a value is everything after the first "=".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tavoric {

class IniFile {
public:
    static IniFile Parse(std::string_view content);
    // Reads a whole file; nothing when it cannot be read.
    static std::optional<IniFile> Load(const std::string& path);

    // The raw value, or nothing when the section or key is absent. The first of two equal keys
    // in a section counts.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;

private:
    using Keys = std::unordered_map<std::string, std::string>;
    std::unordered_map<std::string, Keys> sections_;
};

// The ASCII letters of a text in lower case, and a text without leading and trailing blanks and
// tabs: how section names and keys are compared.
std::string LowerAscii(std::string_view text);
std::string_view TrimSpaceAndTab(std::string_view text);

// A language file value without its enclosing quotes: the first and last characters are removed,
// whatever they are.
std::string StripEnclosing(std::string_view value);

}  // namespace tavoric
