// SPDX-License-Identifier: GPL-3.0-or-later
// The inputs named on tavoric-cli's command line (projects, observation files, street files):
// "-" is standard input, and a pipe, FIFO or terminal (/dev/stdin, a process substitution
// "<(...)") is read to its end; any other name is read as the desktop program reads a file. A
// stream is read once and has no file to write back to.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "charts/street_map.h"
#include "core/survey.h"

namespace tavoric {

inline constexpr std::string_view kStandardInputName = "-";

// Whether path names standard input or another stream rather than a file.
bool IsStreamInput(const std::string& path);

// The input's file, for the checks that an output does not overwrite it; nothing for standard
// input, which no output can be.
std::optional<std::string> InputFile(const std::string& path);

// Says on stderr, naming both, when two inputs are standard input ("-"): it can be read once.
bool ReadsStandardInputTwice(
    std::initializer_list<std::pair<const char*, std::optional<std::string>>> inputs);

// Says on stderr that a project read from a stream cannot be written back, when path is one.
bool RefusedWritingBack(const std::string& path);

// Reads a project into survey as a new project; on failure the message is on stderr. An empty
// stream is no project (a pipe whose writer failed), unlike an empty file.
bool OpenSurvey(const std::string& path, Survey& survey);

// Reads a street file; the reason, naming it, when it cannot be used.
StreetGeometryRead ReadStreetInput(const std::string& path);

// Reads an observation file whole; false when it cannot be read.
bool ReadObservationInput(const std::string& path, std::string& content);

}  // namespace tavoric
