// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/option_values.h"

#include <algorithm>
#include <cstdlib>

#include "cli/commands.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "lang/language_files.h"

namespace tavoric {

namespace {

// In the order of AllChartKinds() and AllComparisonKinds().
constexpr OptionWord kChartKinds[] = {
    {"occupancy", "bezetting"}, {"sections", "secties"}, {"durations", "parkeerduur"},
    {"motive", "motief"},       {"matrix", "matrix"},    {"motive-sections", "motief-secties"},
};
constexpr OptionWord kComparisonKinds[] = {
    {"sections", "secties"},
    {"occupancy", "bezetting"},
    {"durations", "parkeerduur"},
    {"motive", "motief"},
};
// MapMeasure: Occupancy, Peak.
constexpr OptionWord kMapMeasures[] = {{"occupancy", "bezetting"}, {"peak", "piek"}};
// The lists of the input data report.
constexpr OptionWord kInputLists[] = {
    {"routes", "routes"},
    {"sections", "secties"},
    {"places", "plaatsen"},
    {"plates", "kentekens"},
};

constexpr EnumeratedOption kEnumeratedOptions[] = {
    {"chart", "--kind", kChartKinds},
    {"compare", "--kind", kComparisonKinds},
    {"map", "--measure", kMapMeasures},
    {"input", "--include", kInputLists},
};

std::string_view ChosenWord(const OptionWord& word) {
    return ProgramLanguageFiles().Language() == kDutch ? word.dutch : word.english;
}

}  // namespace

std::span<const EnumeratedOption> EnumeratedOptions() {
    return kEnumeratedOptions;
}

const EnumeratedOption& EnumeratedOptionOf(std::string_view command, std::string_view option) {
    const auto* found = std::find_if(std::begin(kEnumeratedOptions), std::end(kEnumeratedOptions),
                                     [&](const EnumeratedOption& entry) {
                                         return entry.command == command && entry.option == option;
                                     });
    if (found == std::end(kEnumeratedOptions)) {
        std::abort();  // a command asked for an option the table lacks: a programming error
    }
    return *found;
}

std::optional<std::size_t> OptionWordIndex(const EnumeratedOption& option, std::string_view word) {
    for (std::size_t i = 0; i < option.words.size(); ++i) {
        if (option.words[i].english == word || option.words[i].dutch == word) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ChosenOptionValue(const EnumeratedOption& option, std::string_view word,
                                             const char* unknownKey) {
    const std::optional<std::size_t> index = OptionWordIndex(option, word);
    if (!index) {
        PrintError(
            FormatText(MessageText(unknownKey), {Utf8ToCp1252(word), ChosenWords(option, ", ")}));
    }
    return index;
}

std::string ChosenWords(const EnumeratedOption& option, std::string_view separator) {
    std::string joined;
    for (const OptionWord& word : option.words) {
        joined += (joined.empty() ? "" : std::string(separator)) + std::string(ChosenWord(word));
    }
    return joined;
}

std::string WithOptionWords(std::string_view command, std::string_view text) {
    std::string result;
    const EnumeratedOption* next = std::begin(kEnumeratedOptions);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.substr(at, 2) != "%s") {
            result += text[at];
            continue;
        }
        next = std::find_if(next, std::end(kEnumeratedOptions), [&](const EnumeratedOption& entry) {
            return entry.command == command;
        });
        if (next != std::end(kEnumeratedOptions)) {
            result += ChosenWords(*next++, "|");
        }
        ++at;
    }
    return result;
}

}  // namespace tavoric
