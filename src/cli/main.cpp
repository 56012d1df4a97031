// tavoric-cli: the survey engine on the command line.
#include "cli/commands.h"

int main(int argc, char** argv) {
    return tavoric::RunCli({argv + 1, argv + argc});
}
