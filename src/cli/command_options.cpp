// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_options.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tavoric {

namespace {

using Options = std::vector<CommandOption>;

constexpr auto kNone = OptionValue::None;
constexpr auto kFile = OptionValue::File;
constexpr auto kWord = OptionValue::Word;
constexpr auto kOther = OptionValue::Other;
constexpr bool kFullProgram = true;

// The command that hashes plates, with OpenSSL.
constexpr std::string_view kHashingCommand = "pseudonymise";

Options Join(std::initializer_list<Options> parts) {
    Options all;
    for (const Options& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

using CommandOptions = std::pair<std::string_view, Options>;

const std::vector<CommandOptions>& OptionTable() {
    const Options selection = {{"--from", kOther},     {"--to", kOther},     {"--routes", kOther},
                               {"--sections", kOther}, {"--places", kOther}, {"--types", kOther}};
    const Options classes = {
        {"--classes", kOther}, {"--exclude-illegal-ppl", kNone}, {"--exclude-illegal-ppe", kNone}};
    const Options motiveBounds = {
        {"--morning", kOther}, {"--evening", kOther}, {"--commuter-minutes", kOther}};
    const Options images = {{"--png", kFile, "png", kFullProgram},
                            {"--svg", kFile, "svg", kFullProgram},
                            {"--pdf", kFile, "pdf", kFullProgram}};
    const CommandOption txt = {"--txt", kFile, "txt"};
    const CommandOption csv = {"--csv", kFile, "csv"};
    const CommandOption tableCsv = {"--table-csv", kFile, "csv"};
    const CommandOption xlsx = {"--xlsx", kFile, "xlsx", kFullProgram};
    const CommandOption geometry = {"--geometry", kFile, "@(geojson|json)"};
    static const std::vector<CommandOptions> table = {
        {"info", {}},
        {"save", {}},
        {"demo", {{"--places", kOther}, {"--seed", kOther}}},
        {"per-place", Join({selection, classes, {txt, csv, tableCsv, xlsx}})},
        {"interval", Join({selection,
                           classes,
                           {{"--detail", kNone},
                            {"--sort-by-vehicles", kNone},
                            txt,
                            csv,
                            tableCsv,
                            {"--detail-csv", kFile, "csv"},
                            xlsx}})},
        {"motive",
         Join(
             {selection,
              motiveBounds,
              {txt, csv, {"--totals-csv", kFile, "csv"}, {"--sections-csv", kFile, "csv"}, xlsx}})},
        {"chart",
         Join({selection, classes, images, {{"--kind", kWord}, csv, {"--size", kOther}, xlsx}})},
        {"compare", Join({selection,
                          classes,
                          motiveBounds,
                          images,
                          {{"--kind", kWord},
                           csv,
                           xlsx,
                           geometry,
                           {"--geojson", kFile, "@(geojson|json)"},
                           {"--map-png", kFile, "png", kFullProgram},
                           {"--map-svg", kFile, "svg", kFullProgram},
                           {"--map-pdf", kFile, "pdf", kFullProgram},
                           {"--no-labels", kNone}}})},
        {"map", Join({selection,
                      classes,
                      images,
                      {geometry,
                       {"--geojson", kFile, "@(geojson|json)"},
                       {"--measure", kWord},
                       {"--no-labels", kNone}}})},
        {"rapport", Join({selection,
                          classes,
                          motiveBounds,
                          {{"--pdf", kFile, "pdf", kFullProgram},
                           {"--odt", kFile, "odt", kFullProgram},
                           {"--summary-csv", kFile, "csv"},
                           geometry,
                           {"--compare", kFile, "par"}}})},
        {"input", {{"--include", kWord}, txt}},
        {"form", {{"--no-separator", kNone}, txt}},
        {"notes", {txt}},
        {"import-observations",
         {{"--out", kFile, "par"},
          {"--replace", kNone},
          {"--report", kFile},
          {"--time-zone", kOther},
          {"--date", kOther}}},
        {"export-observations", {csv, xlsx, {"--all", kNone}}},
        {"pseudonymise",
         {{"--key-file", kFile}, {"--clear-observers", kNone}, {"--clear-notes", kNone}}},
        {"help", {}},
    };
    return table;
}

}  // namespace

std::span<const CommandOption> OptionsOf(std::string_view command) {
    const std::vector<CommandOptions>& table = OptionTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const CommandOptions& entry) {
        return entry.first == command;
    });
    return found == table.end() ? std::span<const CommandOption>() : found->second;
}

namespace {

const CommandOption* FindOption(std::string_view command, std::string_view option) {
    const std::span<const CommandOption> options = OptionsOf(command);
    const auto found =
        std::find_if(options.begin(), options.end(),
                     [&](const CommandOption& known) { return known.name == option; });
    return found == options.end() ? nullptr : &*found;
}

}  // namespace

bool TakesOption(std::string_view command, std::string_view option) {
    return FindOption(command, option) != nullptr;
}

bool NeedsFullProgram(const std::vector<std::string>& args) {
    if (args.empty()) {
        return false;
    }
    const std::string& command = args.front();
    if (command == kHashingCommand) {
        return true;
    }
    // Options as the dispatcher reads them: before "--", "--png=x" is "--png".
    const auto end = std::find(args.begin() + 1, args.end(), "--");
    return std::any_of(args.begin() + 1, end, [&](const std::string& word) {
        const CommandOption* option = FindOption(command, word.substr(0, word.find('=')));
        return option != nullptr && option->fullProgram;
    });
}

}  // namespace tavoric
