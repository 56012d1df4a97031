// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli: the survey engine on the command line.
#include "cli/cli_language.h"
#include "cli/commands.h"
#include "core/atomic_file.h"

int main(int argc, char** argv) {
    tavoric::RemoveTemporaryFileOnSignals();
    tavoric::FollowDesktopLanguage();
    return tavoric::RunCli({argv + 1, argv + argc});
}
