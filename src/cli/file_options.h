// SPDX-License-Identifier: GPL-3.0-or-later
// Options of tavoric-cli that each take one value, such as "--png OUT.png": taken from the
// arguments so that the selection options remain in order for the analysis.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

template <typename Options>
struct ValueOption {
    const char* name;
    std::optional<std::string> Options::*value;
};

// Removes the named options and their values from args. Nothing, after the reason is on stderr,
// when an option lacks its value or is given twice.
template <typename Options>
std::optional<Options> TakeValueOptions(std::vector<std::string>& args,
                                        std::span<const ValueOption<Options>> names) {
    Options options;
    std::vector<std::string> others;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<std::string>* value = nullptr;
        for (const ValueOption<Options>& option : names) {
            value = args[i] == option.name ? &(options.*option.value) : value;
        }
        if (value == nullptr) {
            others.push_back(std::move(args[i]));
        } else if (i + 1 == args.size()) {
            PrintError(FormatText(MessageText("AA00221"), {args[i]}));
            return std::nullopt;
        } else if (value->has_value()) {
            PrintError(FormatText(MessageText("AA00222"), {args[i]}));
            return std::nullopt;
        } else {
            *value = args[++i];
        }
    }
    args = std::move(others);
    return options;
}

// TakeValueOptions for a command that draws a map, with --no-labels, which leaves the map's
// labels out (Options::labels).
template <typename Options>
std::optional<Options> TakeMapOptions(std::vector<std::string>& args,
                                      std::span<const ValueOption<Options>> names) {
    const bool noLabels = std::erase(args, std::string("--no-labels")) > 0;
    std::optional<Options> options = TakeValueOptions<Options>(args, names);
    if (options) {
        options->labels = !noLabels;
    }
    return options;
}

}  // namespace tavoric
