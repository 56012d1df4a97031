// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli comes as two programs with the same commands. tavoric-cli itself links neither Qt
// nor OpenSSL, so that every command starts at once; the commands that draw (images, PDF and ODT
// documents) or hash plates (pseudonymise) run in its full program, which links both.
#pragma once

#include <string>
#include <vector>

namespace tavoric {

inline constexpr const char* kFullProgramName = "tavoric-cli-full";

// Where the full program lies for a tavoric-cli in programFolder (with a trailing "/"): in an
// installation "<prefix>/libexec/tavoric/" beside "<prefix>/bin/", in a build tree the same
// folder. The installed place when neither holds it.
std::string FullProgramPath(const std::string& programFolder);

// Replaces this process by the full program, with the same arguments, standard streams and
// environment. Returns only when it cannot start: the exit status, after saying why.
int RunFullProgram(char** argv);

// The run of either program: the words after the program name. Returns the exit status.
int RunProgram(const std::vector<std::string>& args);

}  // namespace tavoric
