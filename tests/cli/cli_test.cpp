// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>

#include "cli_test_support.h"
#include "core/atomic_file.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/version.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

using CliTest = ToolFolderTest;

TEST_F(CliTest, HelpExplainsEveryCommand) {
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    for (const CliCommand& command : AllCommands()) {
        EXPECT_NE(help.out.find(MessageText(command.usageKey)), std::string::npos) << command.name;
    }
    EXPECT_EQ(RunTool({"help", "demo"}).status, kExitOk);
    EXPECT_EQ(RunTool({"info", "--help"}).status, kExitOk);

    const ToolRun version = RunTool({"--version"});
    EXPECT_EQ(version.status, kExitOk);
    const std::string number = std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
                               "." + std::to_string(kVersionRelease);
    EXPECT_EQ(version.out.rfind("tavoric-cli " + number + " (build ", 0), 0u) << version.out;

    const ToolRun bare = RunTool({});
    EXPECT_EQ(bare.status, kExitUsage);
    EXPECT_TRUE(bare.out.empty()) << "the overview goes to stderr when nothing was asked";
}

TEST_F(CliTest, WrongUsageExitsWithTwo) {
    const ToolRun unknown = RunTool({"opruimen"});
    EXPECT_EQ(unknown.status, kExitUsage);
    EXPECT_NE(unknown.err.find("Onbekende opdracht \"opruimen\""), std::string::npos);
    EXPECT_EQ(RunTool({"info"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"save", "a.par"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"demo"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"demo", PathOf("d.par"), "--places"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"demo", PathOf("d.par"), "--kleur", "rood"}).status, kExitUsage);
    const ToolRun zero = RunTool({"demo", PathOf("d.par"), "--places", "0"});
    EXPECT_EQ(zero.status, kExitUsage);
    EXPECT_NE(zero.err.find("Ongeldige waarde \"0\" bij --places"), std::string::npos);
    EXPECT_EQ(RunTool({"demo", PathOf("d.par"), "--seed", "-1"}).status, kExitUsage);
    EXPECT_FALSE(fs::exists(PathOf("d.par")));
}

TEST_F(CliTest, OptionConventionsEveryCommandShares) {
    const ToolRun bogus = RunTool({"info", "--bogus"});
    EXPECT_EQ(bogus.status, kExitUsage);
    EXPECT_NE(bogus.err.find("Onbekende optie --bogus bij info."), std::string::npos) << bogus.err;
    EXPECT_NE(
        RunTool({"per-place", "x.par", "--kleur=rood"}).err.find("optie --kleur bij per-place"),
        std::string::npos);

    // --opt=value, and --help anywhere shows the command's help.
    ASSERT_EQ(RunTool({"demo", PathOf("d.par"), "--places=40", "--seed=3"}).status, kExitOk);
    const ToolRun help = RunTool({"info", PathOf("d.par"), "--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find(MessageText(FindCommand("info")->usageKey)), std::string::npos)
        << help.out;
    EXPECT_EQ(RunTool({"per-place", "--bogus", "--help"}).status, kExitOk);

    // After "--" every word is a file, one starting with "-" in the current folder.
    const std::optional<CommandWords> words =
        SharedConventions(*FindCommand("info"), {"--", "-odd.par", "-"});
    ASSERT_TRUE(words);
    EXPECT_EQ(words->words, (std::vector<std::string>{"./-odd.par", "-"}));
    EXPECT_FALSE(SharedConventions(*FindCommand("info"), {"--help", "--"})->words.size());
    EXPECT_EQ(SharedConventions(*FindCommand("demo"), {"x.par", "--seed", "-1"})->words.back(),
              "-1");
}

TEST_F(CliTest, ClockTimesAreCheckedAndNamedWithTheirOption) {
    ASSERT_EQ(RunTool({"demo", PathOf("d.par"), "--places", "40"}).status, kExitOk);
    const std::string project = PathOf("d.par");
    for (const auto& [option, value] : {std::pair("--from", "2599"), std::pair("--from", "12"),
                                        std::pair("--to", "0675"), std::pair("--to", "2400")}) {
        const ToolRun run = RunTool({"per-place", project, option, value});
        EXPECT_EQ(run.status, kExitUsage) << option << ' ' << value;
        EXPECT_NE(run.err.find("Ongeldige tijd \"" + std::string(value) + "\" bij " + option),
                  std::string::npos)
            << run.err;
    }
    const ToolRun empty = RunTool({"per-place", project, "--from", "1800", "--to", "0700"});
    EXPECT_EQ(empty.status, kExitUsage);
    EXPECT_NE(empty.err.find("--from 1800 ligt na --to 0700"), std::string::npos) << empty.err;
    const ToolRun morning = RunTool({"motive", project, "--morning", "2500"});
    EXPECT_EQ(morning.status, kExitUsage);
    EXPECT_NE(morning.err.find("bij --morning"), std::string::npos) << morning.err;
    EXPECT_EQ(RunTool({"motive", project, "--evening", "2400"}).status, kExitOk);
    const ToolRun missing = RunTool({"per-place", project, "--routes"});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_NE(missing.err.find("Na --routes ontbreekt de waarde."), std::string::npos)
        << missing.err;
    EXPECT_EQ(RunTool({"per-place", project, "--from", "0800", "--to", "1200"}).status, kExitOk);
}

TEST_F(CliTest, DemoInfoAndSaveWorkTogether) {
    ASSERT_EQ(RunTool({"demo", PathOf("d.par"), "--places", "40", "--seed", "3"}).status, 0);
    const ToolRun info = RunTool({"info", PathOf("d.par")});
    EXPECT_EQ(info.status, kExitOk);
    EXPECT_NE(info.out.find("Onderzoeksgebied: Parkeeronderzoek Centrum Demodorp\n"
                            "Onderzoeksperiode van 0600 tot 1830 uur\n"
                            "Aantal routes: 3\n"),
              std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find("Aantal parkeerplaatsen: 40\n"), std::string::npos);

    ASSERT_EQ(RunTool({"save", PathOf("d.par"), PathOf("e.par")}).status, kExitOk);
    std::string original, saved;
    ASSERT_TRUE(ReadWholeFile(PathOf("d.par"), original));
    ASSERT_TRUE(ReadWholeFile(PathOf("e.par"), saved));
    EXPECT_EQ(saved, original);
}

TEST_F(CliTest, InfoShowsProjectTextInUtf8) {
    FileError error;
    ASSERT_TRUE(
        WriteFileAtomically(PathOf("c.par"), "[Algemene gegevens]\n001=Caf\xe9 Zuid\n", error));
    EXPECT_NE(RunTool({"info", PathOf("c.par")}).out.find("Onderzoeksgebied: Caf\xc3\xa9 Zuid"),
              std::string::npos);
}

TEST_F(CliTest, FileProblemsExitWithOne) {
    const ToolRun missing = RunTool({"info", PathOf("weg.par")});
    EXPECT_EQ(missing.status, kExitFileError);
    EXPECT_EQ(missing.err, "Kan bestand \"" + PathOf("weg.par") +
                               "\" niet openen.\nHet bestand of de map bestaat niet.\n");
    EXPECT_EQ(RunTool({"save", PathOf("weg.par"), PathOf("uit.par")}).status, kExitFileError);

    const ToolRun unwritable = RunTool({"demo", PathOf("geen/map/d.par")});
    EXPECT_EQ(unwritable.status, kExitFileError);
    EXPECT_NE(unwritable.err.find("niet opslaan"), std::string::npos);
    EXPECT_NE(unwritable.err.find("\nHet bestand of de map bestaat niet."), std::string::npos);
}

}  // namespace
}  // namespace tavoric
