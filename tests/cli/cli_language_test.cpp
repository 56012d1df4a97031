// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli takes the desktop program's language: its language folder in the layouts it is
// run from, and the messages of the language the settings name.
#include "cli/cli_language.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../core/temp_folder.h"
#include "cli/full_program.h"
#include "cli_test_support.h"
#include "core/message_texts.h"
#include "core/program_folders.h"
#include "core/settings.h"
#include "lang/language_files.h"

namespace tavoric {
namespace {

class CliLanguageTest : public TempFolderTest {
protected:
    void TearDown() override {
        SetDefaultMessageTexts();
        SetFixedTexts(kDutch);
        ProgramLanguageFiles() = LanguageFiles();
        TempFolderTest::TearDown();
    }
    std::string Folder(const std::string& name) const { return (folder_ / name).string() + "/"; }
    void MakeLanguageFolder(const std::string& programFolder) {
        std::filesystem::create_directories(programFolder + "Lng");
        std::ofstream(programFolder + "Lng/English.lng", std::ios::binary)
            << "[Dynamic]\r\nAA00026=\"Parking duration per parking place\"\r\n";
    }
};

TEST_F(CliLanguageTest, FindsTheLanguageFolderBesideAboveOrInTheInstallation) {
    MakeLanguageFolder(Folder("prefix/share/tavoric"));
    std::filesystem::create_directories(Folder("prefix/bin"));
    EXPECT_EQ(ProgramDataFolder(Folder("prefix/bin")), Folder("prefix/share/tavoric"));

    MakeLanguageFolder(Folder("build/src"));
    std::filesystem::create_directories(Folder("build/src/cli"));
    EXPECT_EQ(ProgramDataFolder(Folder("build/src/cli")), Folder("build/src"));
    EXPECT_EQ(ProgramDataFolder(Folder("build/src")), Folder("build/src"));

    // tavoric-cli's full program in <prefix>/libexec/tavoric.
    std::filesystem::create_directories(Folder("prefix/libexec/tavoric"));
    EXPECT_EQ(ProgramDataFolder(Folder("prefix/libexec/tavoric")), Folder("prefix/share/tavoric"));

    std::filesystem::create_directories(Folder("lonely/bin"));
    EXPECT_EQ(ProgramDataFolder(Folder("lonely/bin")), Folder("lonely/bin"));
}

TEST_F(CliLanguageTest, FindsTheReadMeBesideTheProgramOrWithTheInstalledDocumentation) {
    std::filesystem::create_directories(Folder("prefix/share/doc/tavoric"));
    std::filesystem::create_directories(Folder("prefix/bin"));
    std::ofstream(Folder("prefix/share/doc/tavoric") + "LeesMij.txt") << "Tavoric\n";
    EXPECT_EQ(ReadMeFolder(Folder("prefix/bin"), "LeesMij.txt"),
              Folder("prefix/share/doc/tavoric"));
    EXPECT_EQ(ReadMeFolder(Folder("prefix/bin"), "ReadMe.txt"), Folder("prefix/bin"));

    std::filesystem::create_directories(Folder("build/src"));
    std::ofstream(Folder("build/src") + "ReadMe.txt") << "Tavoric\n";
    EXPECT_EQ(ReadMeFolder(Folder("build/src"), "ReadMe.txt"), Folder("build/src"));
}

TEST_F(CliLanguageTest, ReportHeadingsFollowTheLanguageSetting) {
    MakeLanguageFolder(Folder("program"));
    ProgramSettings settings = DefaultSettings("/tmp/");
    settings.language = "English";
    const std::string settingsPath = folder_.string() + "/Tavoric.ini";
    std::ofstream(settingsPath, std::ios::binary) << SettingsFileText(settings);

    FollowLanguageSetting(settingsPath, Folder("program"));
    EXPECT_EQ(MessageText("AA00026"), "Parking duration per parking place");
    EXPECT_EQ(FixedTexts().newProjectBaseName, "New");
}

// The shipped English file: the help, the info lines and the errors all in English.
TEST_F(CliLanguageTest, HelpInfoAndErrorsSpeakTheChosenLanguage) {
    ProgramSettings settings = DefaultSettings("/tmp/");
    settings.language = "English";
    const std::string settingsPath = folder_.string() + "/Tavoric.ini";
    std::ofstream(settingsPath, std::ios::binary) << SettingsFileText(settings);
    FollowLanguageSetting(settingsPath, TAVORIC_PROGRAM_DATA);

    for (const CliCommand& command : AllCommands()) {
        EXPECT_NE(MessageText(command.summaryKey), DefaultMessageText(command.summaryKey))
            << command.name << " is explained in Dutch only";
        EXPECT_TRUE(MessageText(command.usageKey).starts_with(command.name)) << command.name;
    }
    const ToolRun help = RunTool({"--help"});
    EXPECT_NE(help.out.find("Usage: tavoric-cli COMMAND [ARGUMENTS]\n"), std::string::npos);
    EXPECT_NE(help.out.find("\nCommands:\n  info PROJECT.par\n      Shows the survey area"),
              std::string::npos)
        << help.out;
    EXPECT_NE(help.out.find("Exit status: 0 success"), std::string::npos);
    EXPECT_EQ(RunTool({"help", "save"}).out.rfind("Usage: tavoric-cli save IN.par OUT.par\n\n", 0),
              0u);
    EXPECT_EQ(RunTool({"opruimen"}).err.rfind("Unknown command \"opruimen\"", 0), 0u);
    EXPECT_EQ(RunTool({"info"}).err, "Usage: tavoric-cli info PROJECT.par\n");

    const std::string project = folder_.string() + "/demo.par";
    ASSERT_EQ(RunTool({"demo", project, "--places", "3"}).status, kExitOk);
    const ToolRun info = RunTool({"info", project});
    EXPECT_EQ(info.out.rfind("Survey area: ", 0), 0u) << info.out;
    EXPECT_NE(info.out.find("\nSurvey period from "), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("\nNumber of parking places: 3\n"), std::string::npos) << info.out;
    for (const std::string& all : {help.out, info.out}) {
        for (const char* dutch : {"Gebruik", "Opdracht", "Aantal", "Onderzoek", "standaard"}) {
            EXPECT_EQ(all.find(dutch), std::string::npos) << dutch;
        }
    }
}

TEST_F(CliLanguageTest, DutchSettingsOrAMissingFileKeepTheDutchTexts) {
    FollowLanguageSetting(folder_.string() + "/missing.ini", Folder("program"));
    EXPECT_EQ(MessageText("AA00026"), "Parkeerduurmeting per parkeerplaats");
    EXPECT_EQ(FixedTexts().newProjectBaseName, "Nieuw");
}

TEST_F(CliLanguageTest, FindsTheFullProgramInTheInstallationOrBesideItInTheBuildTree) {
    const auto makeProgram = [this](const std::string& path, std::filesystem::perms perms) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << "#!/bin/sh\n";
        std::filesystem::permissions(path, perms);
    };
    const std::string installed = Folder("prefix/libexec/tavoric") + kFullProgramName;
    std::filesystem::create_directories(Folder("prefix/bin"));
    // Not there (or not runnable): the installed place, for the message.
    EXPECT_EQ(FullProgramPath(Folder("prefix/bin")), installed);
    makeProgram(installed, std::filesystem::perms::owner_read);
    EXPECT_EQ(FullProgramPath(Folder("prefix/bin")), installed);
    std::filesystem::permissions(installed, std::filesystem::perms::owner_all);
    EXPECT_EQ(FullProgramPath(Folder("prefix/bin")), installed);

    const std::string beside = Folder("build/src/cli") + kFullProgramName;
    makeProgram(beside, std::filesystem::perms::owner_all);
    EXPECT_EQ(FullProgramPath(Folder("build/src/cli")), beside);
}

}  // namespace
}  // namespace tavoric
