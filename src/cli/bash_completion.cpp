// SPDX-License-Identifier: GPL-3.0-or-later
// The bash completion script, written at build time by "tavoric-cli --bash-completion".
#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_options.h"
#include "cli/commands.h"
#include "cli/option_values.h"

namespace tavoric {

namespace {

constexpr std::string_view kScriptStart = R"(# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for tavoric-cli, written by the program from its own command table.

_tavoric_cli() {
    local cur prev words cword
    _init_completion || return

    local commands=")";

// After the command's case: its options, a command name after help, else project files (the
// second file of import-observations is CSV).
constexpr std::string_view kScriptEnd = R"(    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    elif [[ $command == help ]]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    elif [[ $command == import-observations && $cword -eq 3 ]]; then
        _filedir csv
    else
        _filedir par
    fi
}
complete -F _tavoric_cli tavoric-cli
)";

// Both languages' words, each once.
std::string AllWords(const EnumeratedOption& option) {
    std::string words;
    for (const OptionWord& word : option.words) {
        words += std::string(words.empty() ? "" : " ") + std::string(word.english);
        if (word.dutch != word.english) {
            words += " " + std::string(word.dutch);
        }
    }
    return words;
}

// What follows an option that takes a value: files of its type, its words or nothing at all.
std::string ValueCompletion(std::string_view command, const CommandOption& option) {
    switch (option.value) {
        case OptionValue::File:
            return option.fileType.empty()
                       ? "_filedir; return"
                       : "_filedir '" + std::string(option.fileType) + "'; return";
        case OptionValue::Word:
            return "COMPREPLY=($(compgen -W \"" +
                   AllWords(EnumeratedOptionOf(command, option.name)) + "\" -- \"$cur\")); return";
        default:
            return "return";
    }
}

// The options the command takes, and a case on the previous word for those with a value; the
// options that complete alike share a branch.
void WriteCommandCase(std::ostream& out, std::string_view command) {
    out << "        " << command << ")\n            options=\"";
    std::string separator;
    std::vector<std::pair<std::string, std::string>> branches;  // completion, options
    for (const CommandOption& option : OptionsOf(command)) {
        out << separator << option.name;
        separator = " ";
        if (option.value == OptionValue::None) {
            continue;
        }
        const std::string completion = ValueCompletion(command, option);
        const auto branch =
            std::ranges::find(branches, completion, &std::pair<std::string, std::string>::first);
        if (branch == branches.end()) {
            branches.emplace_back(completion, option.name);
        } else {
            branch->second += " | " + std::string(option.name);
        }
    }
    out << "\"\n";
    if (!branches.empty()) {
        out << "            case $prev in\n";
        for (const auto& [completion, options] : branches) {
            out << "                " << options << ") " << completion << " ;;\n";
        }
        out << "            esac\n";
    }
    out << "            ;;\n";
}

}  // namespace

std::string BashCompletionScript() {
    std::ostringstream out;
    out << kScriptStart;
    std::string separator;
    for (const CliCommand& command : AllCommands()) {
        out << separator << command.name;
        separator = " ";
    }
    out << "\"\n"
           "    if [[ $cword -eq 1 ]]; then\n"
           "        COMPREPLY=($(compgen -W \"$commands --help --version\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n\n"
           "    local command=${words[1]} options=\n"
           "    case $command in\n";
    for (const CliCommand& command : AllCommands()) {
        WriteCommandCase(out, command.name);
    }
    out << kScriptEnd;
    return out.str();
}

}  // namespace tavoric
