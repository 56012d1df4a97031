// tavoric-cli takes the desktop program's language: its language folder in the layouts it is
// run from, and the messages of the language the settings name.
#include "cli/cli_language.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../core/temp_folder.h"
#include "core/message_texts.h"
#include "core/settings.h"

namespace tavoric {
namespace {

class CliLanguageTest : public TempFolderTest {
protected:
    void TearDown() override {
        SetDefaultMessageTexts();
        SetFixedTexts(kDutch);
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
    MakeLanguageFolder(Folder("prefix/lib/tavoric"));
    std::filesystem::create_directories(Folder("prefix/bin"));
    EXPECT_EQ(LanguageProgramFolder(Folder("prefix/bin")), Folder("prefix/lib/tavoric"));

    MakeLanguageFolder(Folder("build/src"));
    std::filesystem::create_directories(Folder("build/src/cli"));
    EXPECT_EQ(LanguageProgramFolder(Folder("build/src/cli")), Folder("build/src"));
    EXPECT_EQ(LanguageProgramFolder(Folder("build/src")), Folder("build/src"));

    std::filesystem::create_directories(Folder("lonely/bin"));
    EXPECT_EQ(LanguageProgramFolder(Folder("lonely/bin")), Folder("lonely/bin"));
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

TEST_F(CliLanguageTest, DutchSettingsOrAMissingFileKeepTheDutchTexts) {
    FollowLanguageSetting(folder_.string() + "/missing.ini", Folder("program"));
    EXPECT_EQ(MessageText("AA00026"), "Parkeerduurmeting per parkeerplaats");
    EXPECT_EQ(FixedTexts().newProjectBaseName, "Nieuw");
}

}  // namespace
}  // namespace tavoric
