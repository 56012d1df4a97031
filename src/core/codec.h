// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where program text (code page 1252 bytes) meets Unicode (UTF-8): the desktop's
// widgets and the command line's terminal output.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavoric {

// Every byte maps to a character; the five bytes that code page 1252 leaves undefined are shown
// as U+FFFD, except a character carried by Utf8ForMessage.
std::string Cp1252ToUtf8(std::string_view bytes);
// A character that code page 1252 cannot hold, or a broken UTF-8 sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);
// The same, collecting in lacking each character that became "?" (as UTF-8, once, in the order
// met; at most kLackingCharactersKept of them).
constexpr std::size_t kLackingCharactersKept = 20;
std::string Utf8ToCp1252(std::string_view utf8, std::vector<std::string>& lacking);
// The same conversion for data that must not change on the way in: nothing when a character
// cannot be held in code page 1252 or the UTF-8 is broken.
std::optional<std::string> Utf8ToCp1252Exactly(std::string_view utf8);

// The text without the UTF-8 byte order mark that some programs put at the start of a file.
std::string_view WithoutByteOrderMark(std::string_view utf8);

// A file name or other user text for a message: like Utf8ToCp1252, but a character that code page
// 1252 cannot hold travels as the undefined byte 0x81 followed by its UTF-8 bytes, which
// Cp1252ToUtf8 turns back into the character. So a message shows a file name with Polish or
// Greek letters as the user typed it, while the message text itself stays code page 1252.
std::string Utf8ForMessage(std::string_view utf8);

}  // namespace tavoric
