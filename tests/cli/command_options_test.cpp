// SPDX-License-Identifier: GPL-3.0-or-later
// The option table agrees with the help, and the dispatcher refuses what a command does not take.
#include "cli/command_options.h"

#include <gtest/gtest.h>

#include <set>

#include "cli/option_values.h"
#include "cli_test_support.h"
#include "core/message_texts.h"

namespace tavoric {
namespace {

using CommandOptionsTest = ToolFolderTest;

// The options a message text names.
std::set<std::string> OptionsNamedIn(const std::string& text) {
    std::set<std::string> names;
    for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < text.size() &&
               (std::islower(static_cast<unsigned char>(text[end])) || text[end] == '-')) {
            ++end;
        }
        if (end > at + 2) {
            names.insert(text.substr(at, end - at));
        }
    }
    return names;
}

std::set<std::string> OptionsInHelp(const CliCommand& command) {
    std::set<std::string> names = OptionsNamedIn(DefaultMessageText(command.usageKey));
    names.merge(OptionsNamedIn(DefaultMessageText(command.summaryKey)));
    return names;
}

// Every option the help names is taken; every option taken is named in the command's help or in
// that of per-place or motive when it refers to their options.
TEST_F(CommandOptionsTest, TableAndHelpNameTheSameOptions) {
    for (const CliCommand& command : AllCommands()) {
        const std::set<std::string> own = OptionsInHelp(command);
        for (const std::string& option : own) {
            EXPECT_TRUE(TakesOption(command.name, option)) << command.name << " " << option;
        }
        std::set<std::string> named = own;
        const std::string summary = DefaultMessageText(command.summaryKey);
        for (const char* other : {"per-place", "motive"}) {
            if (summary.find(other) != std::string::npos) {
                named.merge(OptionsInHelp(*FindCommand(other)));
            }
        }
        for (const CommandOption& option : OptionsOf(command.name)) {
            EXPECT_TRUE(named.contains(std::string(option.name)))
                << command.name << " " << option.name;
            if (option.value == OptionValue::Word) {
                EXPECT_FALSE(EnumeratedOptionOf(command.name, option.name).words.empty());
            }
        }
    }
    for (const EnumeratedOption& option : EnumeratedOptions()) {
        EXPECT_TRUE(TakesOption(option.command, option.option)) << option.option;
    }
}

TEST_F(CommandOptionsTest, OptionsOfOtherCommandsAreRefusedByName) {
    const std::string demo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";
    for (const auto& [command, option] : std::initializer_list<std::pair<const char*, const char*>>{
             {"chart", "--txt"}, {"map", "--csv"}, {"motive", "--classes"}, {"notes", "--csv"}}) {
        const ToolRun run = RunTool({command, demo, option, PathOf("uit")});
        EXPECT_EQ(run.status, kExitUsage) << command;
        EXPECT_EQ(
            run.err.rfind("Onbekende optie " + std::string(option) + " bij " + command + ".", 0),
            0u)
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(PathOf("uit")));
    }
}

// tavoric-cli hands exactly the runs that draw, hash or write a workbook to its full program.
TEST_F(CommandOptionsTest, OnlyDrawingsDocumentsWorkbooksAndPseudonymsNeedTheFullProgram) {
    const std::vector<std::vector<std::string>> light = {
        {},
        {"--version"},
        {"--help"},
        {"help", "pseudonymise"},
        {"info", "a.par"},
        {"chart", "a.par", "--kind", "occupancy", "--csv", "a.csv"},
        {"rapport", "a.par", "--summary-csv", "-"},
        {"chart", "a.par", "--csv", "a.csv", "--", "--png"},  // a file named "--png"
        {"per-place", "a.par", "--png", "a.png"},             // refused: per-place draws nothing
        {"nonsense", "--pdf", "a.pdf"},
    };
    for (const std::vector<std::string>& args : light) {
        EXPECT_FALSE(NeedsFullProgram(args)) << ::testing::PrintToString(args);
    }
    const std::vector<std::vector<std::string>> full = {
        {"chart", "a.par", "--kind", "occupancy", "--png", "a.png"},
        {"chart", "a.par", "--svg=a.svg"},
        {"map", "a.par", "--pdf", "-"},
        {"compare", "a.par", "b.par", "--map-svg", "m.svg"},
        {"rapport", "a.par", "--odt", "r.odt"},
        {"per-place", "a.par", "--xlsx", "p.xlsx"},
        {"export-observations", "a.par", "--xlsx=o.xlsx"},
        {"pseudonymise", "a.par", "b.par"},
        {"pseudonymise", "--help"},
    };
    for (const std::vector<std::string>& args : full) {
        EXPECT_TRUE(NeedsFullProgram(args)) << ::testing::PrintToString(args);
    }
}

}  // namespace
}  // namespace tavoric
