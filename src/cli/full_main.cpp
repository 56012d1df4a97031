// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli-full: every command of tavoric-cli, with the drawing and the hashing.
#include "cli/full_program.h"

int main(int argc, char** argv) {
    return tavoric::RunProgram({argv + 1, argv + argc});
}
