// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <new>
#include <sstream>

#include "cli/command_input.h"
#include "cli/command_options.h"
#include "cli/option_values.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/project_lock.h"
#include "core/text.h"
#include "core/version.h"

namespace tavoric {

namespace {

bool AsksForHelp(std::string_view word) {
    return word == "--help" || word == "-h";
}

int PrintVersion() {
    std::cout << "tavoric-cli " << kVersionMajor << '.' << kVersionMinor << '.' << kVersionRelease
              << " (build " << kVersionBuild << ")\n";
    return kExitOk;
}

// Writes text in lines of at most kHelpWidth characters, each indented, broken at blanks.
void PrintWrapped(std::ostream& out, std::string_view text, std::size_t indent) {
    constexpr std::size_t kHelpWidth = 79;
    const std::size_t room = kHelpWidth - indent;
    while (!text.empty()) {
        std::size_t cut = text.size();
        if (cut > room) {
            const std::size_t blank = text.rfind(' ', room);
            cut = blank == std::string_view::npos || blank == 0 ? room : blank;
        }
        out << std::string(indent, ' ') << text.substr(0, cut) << '\n';
        text = TrimBlanks(text.substr(cut));
    }
}

// Code page 1252 text as UTF-8 with "\n" line ends: a message text breaks lines with "\r", a
// language file's text with "\r\n".
std::string TerminalText(std::string_view text) {
    std::string utf8 = Cp1252ToUtf8(text);
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\r') {
            result += utf8[i];
        } else if (i + 1 >= utf8.size() || utf8[i + 1] != '\n') {
            result += '\n';
        }
    }
    return result;
}

// Message text, wrapped at blanks, indented.
void PrintWrappedText(std::ostream& out, std::string_view key, std::size_t indent) {
    std::ostringstream wrapped;
    PrintWrapped(wrapped, MessageText(key), indent);
    out << TerminalText(wrapped.str());
}

// The command with its arguments, enumerated options with their words.
std::string Usage(const CliCommand& command) {
    return WithOptionWords(command.name, MessageText(command.usageKey));
}

std::string UsageLine(const CliCommand& command) {
    return TerminalText(FormatText(MessageText("AA00414"), {Usage(command)}));
}

void PrintOverview(std::ostream& out) {
    out << TerminalText(MessageText("AA00410")) << "\n\n"
        << TerminalText(MessageText("AA00411")) << "\n\n"
        << TerminalText(MessageText("AA00412")) << '\n';
    for (const CliCommand& command : AllCommands()) {
        out << "  " << TerminalText(Usage(command)) << '\n';
        PrintWrappedText(out, command.summaryKey, 6);
    }
    out << '\n';
    PrintWrappedText(out, "AA00413", 0);
}

int Help(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintOverview(std::cout);
        return kExitOk;
    }
    const CliCommand* command = FindCommand(args.front());
    if (command == nullptr || args.size() > 1) {
        PrintError(FormatText(MessageText("AA00240"), {Utf8ToCp1252(args.front())}));
        return kExitUsage;
    }
    std::cout << UsageLine(*command) << "\n\n";
    PrintWrappedText(std::cout, command->summaryKey, 0);
    return kExitOk;
}

}  // namespace

const std::vector<CliCommand>& AllCommands() {
    static const std::vector<CliCommand> commands = {
#define TAVORIC_CLI_COMMAND(factory) factory(),
#include "cli/command_list.h"
#undef TAVORIC_CLI_COMMAND
        {"help", "AA00415", "AA00416", Help},
    };
    return commands;
}

const CliCommand* FindCommand(std::string_view name) {
    for (const CliCommand& command : AllCommands()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

namespace {

// What a command printed reached standard output; a full disk or closed pipe is only known once
// the buffers are written out.
bool StandardOutputWritten() {
    std::cout.flush();
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written) {
        PrintError(FormatText(MessageText("AA00317"), {Utf8ForMessage(std::strerror(errno))}));
    }
    return written;
}

int RunCommand(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintOverview(std::cerr);
        return kExitUsage;
    }
    if (AsksForHelp(args.front())) {
        return Help({});
    }
    if (args.front() == "--version" && args.size() == 1) {
        return PrintVersion();
    }
    // Not in the help: the build writes the bash completion with it.
    if (args.front() == "--bash-completion" && args.size() == 1) {
        std::cout << BashCompletionScript();
        return kExitOk;
    }
    const CliCommand* command = FindCommand(args.front());
    if (command == nullptr) {
        PrintError(FormatText(MessageText("AA00240"), {Utf8ToCp1252(args.front())}));
        return kExitUsage;
    }
    const std::optional<CommandWords> words =
        SharedConventions(*command, std::vector<std::string>(args.begin() + 1, args.end()));
    if (!words) {
        return UsageError(command->name);
    }
    return words->help ? Help({command->name}) : command->run(words->words);
}

}  // namespace

std::optional<CommandWords> SharedConventions(const CliCommand& command,
                                              const std::vector<std::string>& args) {
    CommandWords result;
    const auto end = std::find(args.begin(), args.end(), "--");
    result.help = std::any_of(args.begin(), end, AsksForHelp);
    if (result.help) {
        return result;
    }
    // "-" alone is standard output, "-1" a value; an option starts with "-" and a letter or "--".
    const auto isOption = [](const std::string& word) {
        return word.size() > 1 && word[0] == '-' &&
               (std::isalpha(static_cast<unsigned char>(word[1])) || word[1] == '-');
    };
    for (auto word = args.begin(); word != end; ++word) {
        if (!isOption(*word)) {
            result.words.push_back(*word);
            continue;
        }
        const std::size_t equals = word->find('=');
        const std::string name = word->substr(0, equals);
        if (!TakesOption(command.name, name)) {
            PrintError(FormatText(MessageText("AA00963"), {Utf8ToCp1252(name), command.name}));
            return std::nullopt;
        }
        result.words.push_back(name);
        if (equals != std::string::npos) {
            result.words.push_back(word->substr(equals + 1));
        }
    }
    for (auto word = end == args.end() ? end : end + 1; word != args.end(); ++word) {
        const bool optionLike = word->starts_with('-') && *word != kStandardOutputName;
        result.words.push_back(optionLike ? "./" + *word : *word);
    }
    return result;
}

int RunCli(const std::vector<std::string>& args) {
    int status = kExitFileError;
    try {
        status = RunCommand(args);
    } catch (const std::bad_alloc&) {
        PrintError(MessageText("AA00313"));
        return kExitFileError;
    }
    // A report that failed to reach standard output has said so already.
    return status == kExitOk && !StandardOutputWritten() ? kExitFileError : status;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == kStandardOutputName || b == kStandardOutputName) {
        return a == b;
    }
    struct stat infoA {};
    struct stat infoB {};
    const bool existsA = ::stat(a.c_str(), &infoA) == 0;
    const bool existsB = ::stat(b.c_str(), &infoB) == 0;
    if (existsA || existsB) {
        return existsA && existsB && infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
    }
    std::error_code error;
    const auto normal = [&error](const std::string& path) {
        return std::filesystem::absolute(path, error).lexically_normal();
    };
    return normal(a) == normal(b);
}

bool RefusedOverInput(const std::string& output, const std::string& input) {
    if (input == kStandardInputName || !SameFile(output, input)) {
        return false;
    }
    PrintError(FormatText(MessageText("AA00315"), {Utf8ForMessage(output), Utf8ForMessage(input)}));
    return true;
}

void PrintBothNameOneFile(std::string_view a, std::string_view b, const std::string& file) {
    PrintError(file == kStandardOutputName
                   ? FormatText(MessageText("AA00965"), {a, b})
                   : FormatText(MessageText("AA00667"), {a, b, Utf8ToCp1252(file)}));
}

bool NamesOneFileTwice(
    std::initializer_list<std::pair<const char*, std::optional<std::string>>> files) {
    for (auto a = files.begin(); a != files.end(); ++a) {
        for (auto b = a + 1; b != files.end(); ++b) {
            if (a->second && b->second && SameFile(*a->second, *b->second)) {
                PrintBothNameOneFile(a->first, b->first, *b->second);
                return true;
            }
        }
    }
    return false;
}

bool ProjectInUse(const std::string& path) {
    const std::optional<LockOwner> owner = OtherLiveLockOwner(path);
    if (owner) {
        PrintError(LockedProjectText(path, *owner) + " " + MessageText("AA00615"));
    }
    return owner.has_value();
}

bool FirstTime(std::string_view option, bool& given) {
    if (given) {
        PrintError(FormatText(MessageText("AA00222"), {option}));
        return false;
    }
    given = true;
    return true;
}

int UsageError(std::string_view commandName) {
    if (const CliCommand* command = FindCommand(commandName)) {
        std::cerr << UsageLine(*command) << '\n';
    }
    return kExitUsage;
}

void PrintError(std::string_view text) {
    std::cerr << TerminalText(text) << '\n';
}

void PrintLine(std::string_view text) {
    std::cout << Cp1252ToUtf8(text) << '\n';
}

}  // namespace tavoric
