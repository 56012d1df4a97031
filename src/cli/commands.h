// SPDX-License-Identifier: GPL-3.0-or-later
// The command table of tavoric-cli and what every command shares: the shared conventions, usage
// errors, output in UTF-8 (inputs: command_input.h). A command lives in its own file and is listed
// in command_list.h.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavoric {

inline constexpr std::string_view kStandardOutputName = "-";

// Exit status of every command.
enum CliExit : int { kExitOk = 0, kExitFileError = 1, kExitUsage = 2, kExitRowsReported = 4 };

// The summary and the usage are message texts, so that the help speaks the chosen language.
struct CliCommand {
    const char* name;        // "info"
    const char* summaryKey;  // the explanation, for the overview and the command's own help
    const char* usageKey;    // the command with its arguments: "info PROJECT.par"
    int (*run)(const std::vector<std::string>& args);  // args follow the command name
};

#define TAVORIC_CLI_COMMAND(factory) CliCommand factory();
#include "cli/command_list.h"
#undef TAVORIC_CLI_COMMAND

// Every command in the order --help lists them.
const std::vector<CliCommand>& AllCommands();
const CliCommand* FindCommand(std::string_view name);

// The whole tool: args are the words after the program name. Returns the exit status.
int RunCli(const std::vector<std::string>& args);

// A command's words after the conventions every command shares: "--opt=value" is "--opt value";
// "--help" or "-h" anywhere before "--" asks for the command's help; after "--" every word is an
// argument, one starting with "-" passed as "./-name" (the same file); an option the command's
// help does not name is refused with its name on stderr, and nothing is returned.
struct CommandWords {
    std::vector<std::string> words;
    bool help = false;
};
std::optional<CommandWords> SharedConventions(const CliCommand& command,
                                              const std::vector<std::string>& args);

// True, with a message on stderr naming who has it open, when a live desktop program holds the
// project: a command does not write it in place then.
bool ProjectInUse(const std::string& path);
// Whether two names on the command line name one file: the same device and inode when both
// exist, else the same absolute path once "." and ".." are resolved ("a.txt" and "./a.txt").
// "-" (standard output) is only the same as "-".
bool SameFile(const std::string& a, const std::string& b);
// Says on stderr that output would overwrite input, naming both, when they are one file.
bool RefusedOverInput(const std::string& output, const std::string& input);
// Says on stderr that two options (or arguments) name one file, or both standard output ("-").
void PrintBothNameOneFile(std::string_view a, std::string_view b, const std::string& file);
// Says on stderr when two of the named files are one (by option or argument name), which would
// overwrite a file still needed; files not given are skipped.
bool NamesOneFileTwice(
    std::initializer_list<std::pair<const char*, std::optional<std::string>>> files);
// Marks an option as given; when it was given before, says so on stderr and returns false.
bool FirstTime(std::string_view option, bool& given);
// Prints the usage of the named command to stderr and returns kExitUsage.
int UsageError(std::string_view commandName);
// Writes code page 1252 text as UTF-8 to stderr, with a line end; "\r" or "\r\n" in messages
// breaks lines.
void PrintError(std::string_view text);
// Writes code page 1252 text as UTF-8 to stdout, with a line end.
void PrintLine(std::string_view text);

}  // namespace tavoric
