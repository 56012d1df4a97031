// Whole-file reading and crash-safe writing for every file the program saves: the project,
// exports and the settings. A save either replaces the file completely or leaves it as it was.
#pragma once

#include <string>
#include <string_view>

namespace tavoric {

// Writes content to a temporary file in the target's folder, flushes it to disk and renames it
// over the target; an existing target's permissions are kept. On failure the target is
// untouched, no temporary file remains, errorText holds the operating system's error text and
// the result is false.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& errorText);

// Reads the whole file into content; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

}  // namespace tavoric
