// SPDX-License-Identifier: GPL-3.0-or-later
// Small text and file helpers shared by every part of the program.
// Text is 8-bit code page 1252 held in std::string; positions are 1-based.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavoric {

// Fixed-width field: align "L" (text, then fill), "R" (fill, then text) or "F" (text repeated
// width times). Text longer than width is cut from the right. Any other align gives "".
std::string PadField(std::string_view align, std::string_view text, std::string_view fill,
                     int width);

// Characters first to last (1-based, inclusive) of a line; what lies past the end is empty.
std::string_view Chars(std::string_view line, std::size_t first, std::size_t last);
// Characters from first (1-based) to the end of the line.
std::string_view CharsFrom(std::string_view line, std::size_t first);

// A whole 32-bit number with optional sign and decimal digits only, or nothing.
std::optional<int> ToInteger(std::string_view text);
bool IsInteger(std::string_view text);
// The number a text holds, 0 when it holds none (how clock-time fields read odd text).
int IntegerOrZero(std::string_view text);

std::string_view TrimBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

// Byte comparison that ignores the case of ASCII letters.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualNoCase(std::string_view a, std::string_view b);

// The path with "/" appended when it does not already end in one.
std::string WithTrailingDelimiter(std::string_view path);

// Copies fromFolder/fileName to toFolder/fileName, replacing an existing target.
bool CopyFileBetweenFolders(std::string_view fromFolder, std::string_view toFolder,
                            std::string_view fileName);

// Replaces each "%s" of a format, in order, by the next argument. The arguments are never read
// as formats themselves, so user text cannot break the message.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);

}  // namespace tavoric
