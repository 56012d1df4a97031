// SPDX-License-Identifier: GPL-3.0-or-later
// The options each command of tavoric-cli takes and what follows each one: nothing, a file, a
// word of an enumerated option or another value. The dispatcher refuses every other option and
// the bash completion offers exactly these.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavoric {

enum class OptionValue { None, File, Word, Other };

struct CommandOption {
    std::string_view name;  // "--csv"
    OptionValue value = OptionValue::None;
    std::string_view fileType = {};  // of a file: "csv", "@(geojson|json)"; empty for any file
    // An image, document or workbook: written by the full program, which links Qt, OpenSSL and
    // libxlsxwriter (which links OpenSSL too).
    bool fullProgram = false;
};

// The options of the named command; none for an unknown one.
std::span<const CommandOption> OptionsOf(std::string_view command);
bool TakesOption(std::string_view command, std::string_view option);

// Whether the words after the program name ask for a drawing, a document or a workbook (an option
// of the full program) or a hash (pseudonymise): tavoric-cli hands those to its full program.
bool NeedsFullProgram(const std::vector<std::string>& args);

// The bash completion of tavoric-cli, written from the commands and their options.
std::string BashCompletionScript();

}  // namespace tavoric
