// The one place where program text (code page 1252 bytes) meets Unicode (UTF-8): the desktop's
// widgets and the command line's terminal output.
#pragma once

#include <string>
#include <string_view>

namespace tavoric {

// Every byte maps to a character; the five bytes that code page 1252 leaves undefined are shown
// as U+FFFD.
std::string Cp1252ToUtf8(std::string_view bytes);
// A character that code page 1252 cannot hold, or a broken UTF-8 sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace tavoric
