// SPDX-License-Identifier: GPL-3.0-or-later
// The options of tavoric-cli that take one of a fixed set of words ("--kind occupancy"), with
// each word in English and in Dutch. Either word is accepted whatever the language; the help
// shows those of the chosen language and the bash completion offers both.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavoric {

struct OptionWord {
    std::string_view english;
    std::string_view dutch;
};

struct EnumeratedOption {
    std::string_view command;           // "chart"
    std::string_view option;            // "--kind"
    std::span<const OptionWord> words;  // in the order of the values the command keeps
};

// Every enumerated option, in the order their words appear in the commands' usage lines.
std::span<const EnumeratedOption> EnumeratedOptions();
// The entry of a command's option; the table has it (a command asks only for its own).
const EnumeratedOption& EnumeratedOptionOf(std::string_view command, std::string_view option);

// The position of word among the option's words, in either language.
std::optional<std::size_t> OptionWordIndex(const EnumeratedOption& option, std::string_view word);
// The position of word among the option's words, in either language; nothing, after unknownKey's
// message (with the word and the chosen words) on stderr, when it is none of them.
std::optional<std::size_t> ChosenOptionValue(const EnumeratedOption& option, std::string_view word,
                                             const char* unknownKey);
// The words of the chosen language (Dutch for Nederlands, English for any other), joined.
std::string ChosenWords(const EnumeratedOption& option, std::string_view separator);
// text with each "%s" replaced by the chosen words of the command's next enumerated option,
// joined by "|": the usage lines list the words of the chosen language.
std::string WithOptionWords(std::string_view command, std::string_view text);

}  // namespace tavoric
