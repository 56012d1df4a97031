// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli: the survey engine on the command line. What draws or hashes runs in the full
// program, so that this one loads neither Qt nor OpenSSL.
#include <string>
#include <vector>

#include "cli/command_options.h"
#include "cli/full_program.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (tavoric::NeedsFullProgram(args)) {
        return tavoric::RunFullProgram(argv);
    }
    return tavoric::RunProgram(args);
}
