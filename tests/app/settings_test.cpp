// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>

#include "core/scripted_prompter.h"

namespace tavoric {
namespace {

constexpr const char* kTemp = "/tmp/";

std::string GeneralFile(std::string_view lines) {
    return "[Tavoric settings]\r\n\r\n[**General variables**]\r\n" + std::string(lines);
}

ProgramSettings Parse(std::string_view content) {
    return ParseSettings(content, kTemp);
}

TEST(SettingsRead, MissingFileGivesEveryDefault) {
    const ProgramSettings settings = ReadSettings("/nonexistent/Tavoric/Tavoric.ini", kTemp);
    EXPECT_TRUE(settings.report.maximize);
    EXPECT_EQ(settings.report.tableFontSize, 8);
    EXPECT_EQ(settings.report.lineCharacter, "\x97");
    EXPECT_EQ(settings.report.barCharacter, "\x95");
    EXPECT_EQ(settings.report.ownerName, "");
    EXPECT_EQ(settings.backupFolder, "/tmp/");
    EXPECT_TRUE(settings.makeBackups);
    EXPECT_EQ(settings.language, "Nederlands");
    EXPECT_EQ(settings.languageSet, 0);
    EXPECT_EQ(settings.languageHelp, "Tavoric_Nederlands");
    EXPECT_EQ(settings.pressureThreshold, 85);
    EXPECT_TRUE(settings.formPositions.Entries().empty());
    EXPECT_EQ(settings.print.orientation, PrintOrientation::Automatic);
    EXPECT_TRUE(settings.print.fitToPageWidth);
}

TEST(SettingsRead, PrintChoicesReadBackAndBadValuesKeepTheDefault) {
    ProgramSettings settings = DefaultSettings(kTemp);
    for (PrintOrientation orientation :
         {PrintOrientation::Automatic, PrintOrientation::Portrait, PrintOrientation::Landscape}) {
        settings.print = {orientation, false};
        const ProgramSettings read = Parse(SettingsFileText(settings));
        EXPECT_EQ(read.print.orientation, orientation);
        EXPECT_FALSE(read.print.fitToPageWidth);
    }
    const ProgramSettings bad =
        Parse(GeneralFile("printorientation=3\r\nPrintFitToPageWidth=ja\r\n"));
    EXPECT_EQ(bad.print.orientation, PrintOrientation::Automatic);
    EXPECT_FALSE(bad.print.fitToPageWidth);
    EXPECT_EQ(Parse(GeneralFile("PrintOrientation=-1\r\n")).print.orientation,
              PrintOrientation::Automatic);
}

TEST(SettingsRead, KeysIgnoreCaseAndFlagsAreOnOnlyForOne) {
    const ProgramSettings settings =
        Parse(GeneralFile("REPORTMAXIMIZE=0\r\nmakebackups=yes\r\nLanguageSet=1\r\n"));
    EXPECT_FALSE(settings.report.maximize);
    EXPECT_FALSE(settings.makeBackups);
    EXPECT_EQ(settings.languageSet, 1);
    EXPECT_FALSE(Parse(GeneralFile("MakeBackUps=1 \r\n")).makeBackups);
}

TEST(SettingsRead, ValueIsEverythingAfterTheFirstEquals) {
    const ProgramSettings settings = Parse(GeneralFile(
        "ReportLineCharacter==\r\nReportBarCharacter=\r\nBackUpFolder=/data/back ups/\r\n"
        "OwnerName=Gemeente X = Y \r\nLanguage=English\r\nLanguageHelp=Tavoric_English\r\n"));
    EXPECT_EQ(settings.report.lineCharacter, "=");
    EXPECT_EQ(settings.report.barCharacter, "");
    EXPECT_EQ(settings.backupFolder, "/data/back ups/");
    EXPECT_EQ(settings.report.ownerName, "Gemeente X = Y ");
    EXPECT_EQ(settings.language, "English");
    EXPECT_EQ(settings.languageHelp, "Tavoric_English");
}

// Earlier versions stored the shared temporary folder as the default; backups hold licence
// plates, so such a setting now reads as the user's private default folder.
TEST(SettingsRead, TheSharedTemporaryFolderReadsAsTheDefaultBackupFolder) {
    const std::string privateFolder = "/home/w/.local/state/Tavoric/backups/";
    const std::string temporary = std::filesystem::temp_directory_path().string();
    for (const std::string& stored : {temporary, temporary + "/"}) {
        EXPECT_EQ(ParseSettings(GeneralFile("BackUpFolder=" + stored + "\r\n"), privateFolder)
                      .backupFolder,
                  privateFolder)
            << stored;
    }
    EXPECT_EQ(
        ParseSettings(GeneralFile("BackUpFolder=/tmp/kopie/\r\n"), privateFolder).backupFolder,
        "/tmp/kopie/");
}

TEST(SettingsRead, BadNumbersKeepTheValueTheyHad) {
    EXPECT_EQ(Parse(GeneralFile("ReportTableFontSize=groot\r\n")).report.tableFontSize, 8);
    EXPECT_EQ(Parse(GeneralFile("ReportTableFontSize=\r\n")).report.tableFontSize, 8);
    EXPECT_EQ(Parse(GeneralFile("ReportTableFontSize=99999999999\r\n")).report.tableFontSize, 8);
    EXPECT_EQ(Parse(GeneralFile("ReportTableFontSize=12\r\nReportTableFontSize=x\r\n"))
                  .report.tableFontSize,
              12);
    EXPECT_EQ(Parse(GeneralFile("ReportTableFontSize= 0 \r\n")).report.tableFontSize, 0);
    EXPECT_EQ(Parse(GeneralFile("LanguageSet=ja\r\n")).languageSet, 0);
    EXPECT_EQ(Parse(GeneralFile("RecoveryInterval=vaak\r\n")).recoveryInterval, 60);
    EXPECT_EQ(Parse(GeneralFile("recoveryinterval=0\r\n")).recoveryInterval, 0);
    // The pressure norm is a percentage from 1 to 100.
    EXPECT_EQ(Parse(GeneralFile("parkeerdruknorm=90\r\n")).pressureThreshold, 90);
    EXPECT_EQ(Parse(GeneralFile("Parkeerdruknorm=100\r\nParkeerdruknorm=0\r\n")).pressureThreshold,
              100);
    EXPECT_EQ(Parse(GeneralFile("Parkeerdruknorm=101\r\n")).pressureThreshold, 85);
    EXPECT_EQ(Parse(GeneralFile("Parkeerdruknorm=-5\r\n")).pressureThreshold, 85);
}

TEST(SettingsRead, UnknownAndBrokenLinesAreIgnored) {
    const ProgramSettings settings =
        Parse(GeneralFile("SettingsFileVersion=7\r\nColour=blue\r\nno equals "
                          "sign\r\n=1\r\n\r\nReportTableFontSize=10"));
    EXPECT_EQ(settings.report.tableFontSize, 10);  // the last line needs no line end
    EXPECT_TRUE(settings.report.maximize);
}

TEST(SettingsRead, WithoutTheGeneralHeaderEverySettingKeepsItsDefault) {
    EXPECT_TRUE(Parse("ReportMaximize=0\r\n[**general variables**]\r\nReportMaximize=0\r\n")
                    .report.maximize);
}

TEST(SettingsRead, GeneralPassRunsToTheEndOfTheFile) {
    const ProgramSettings settings =
        Parse(GeneralFile("\r\n[**Form positions**]\r\nHoofdForm=M:0\r\n[**Other**]\r\n"
                          "ReportMaximize=0\r\n"));
    EXPECT_FALSE(settings.report.maximize);
}

TEST(SettingsRead, LineFeedOnlyFilesReadAlike) {
    const ProgramSettings settings =
        Parse("[**General variables**]\nReportBarCharacter=*\n[**Form positions**]\nA=M:1\n");
    EXPECT_EQ(settings.report.barCharacter, "*");
    EXPECT_EQ(settings.formPositions.Entries(), (std::vector<std::string>{"A=M:1"}));
}

TEST(SettingsRead, FormPositionsRunToTheNextSectionHeaderIncluded) {
    const ProgramSettings settings = Parse(
        "[**Form positions**]\r\nHoofdForm=M:0;L:1\r\n\r\nRouteForm=M:1\r\n[**Later**]\r\nX=1\r\n");
    EXPECT_EQ(settings.formPositions.Entries(),
              (std::vector<std::string>{"HoofdForm=M:0;L:1", "", "RouteForm=M:1", "[**Later**]"}));
}

TEST(SettingsWrite, LayoutLineByLine) {
    ProgramSettings settings = DefaultSettings("/tmp/");
    settings.report.ownerName = "Gemeente X";
    settings.formPositions = FormPositions({"HoofdForm=M:0;L:120;T:80;W:800;H:600", ""});
    EXPECT_EQ(SettingsFileText(settings),
              "[Tavoric settings]\r\n"
              "\r\n"
              "[**General variables**]\r\n"
              "ReportMaximize=1\r\n"
              "ReportTableFontSize=8\r\n"
              "ReportLineCharacter=\x97\r\n"
              "ReportBarCharacter=\x95\r\n"
              "BackUpFolder=/tmp/\r\n"
              "MakeBackUps=1\r\n"
              "Language=Nederlands\r\n"
              "LanguageSet=0\r\n"
              "LanguageHelp=Tavoric_Nederlands\r\n"
              "PrinterNoticeShown=0\r\n"
              "ToolBarLabels=0\r\n"
              "OwnerName=Gemeente X\r\n"
              "RecoveryInterval=60\r\n"
              "PrintOrientation=0\r\n"
              "PrintFitToPageWidth=1\r\n"
              "MotiveMorning=0700\r\n"
              "MotiveEvening=1900\r\n"
              "MotiveCommuterMinutes=240\r\n"
              "Parkeerdruknorm=85\r\n"
              "\r\n"
              "[**Form positions**]\r\n"
              "HoofdForm=M:0;L:120;T:80;W:800;H:600\r\n"
              "\r\n");
}

TEST(SettingsWrite, WrittenFileReadsBackTheSame) {
    ProgramSettings settings = DefaultSettings("/var/back/");
    settings.report = {false, 0, "-", "", "Bureau \x93Parkeren\x94"};
    settings.makeBackups = false;
    settings.language = "English";
    settings.languageSet = 1;
    settings.languageHelp = "Tavoric_English";
    settings.printerNoticeShown = true;
    settings.toolBarLabels = true;
    settings.pressureThreshold = 1;
    settings.formPositions.Record("RouteForm", {false, -5, 40, 300, 200});
    settings.motiveBounds = {"0615", "2000", 180};
    const ProgramSettings read = Parse(SettingsFileText(settings));
    EXPECT_EQ(SettingsFileText(read), SettingsFileText(settings));
    EXPECT_EQ(read.report.ownerName, "Bureau \x93Parkeren\x94");
    EXPECT_EQ(read.backupFolder, "/var/back/");
}

// The recent projects: most recent first, each once, at most six; names in the file system's
// bytes survive the file; empty entries and entries beyond six are dropped on reading.
TEST(SettingsRecentProjects, MostRecentFirstOnceAndBounded) {
    std::vector<std::string> recent;
    for (int i = 1; i <= 8; ++i) {
        RememberRecentProject(recent, "/p/" + std::to_string(i) + ".par");
    }
    RememberRecentProject(recent, "/p/5.par");
    EXPECT_EQ(recent, (std::vector<std::string>{"/p/5.par", "/p/8.par", "/p/7.par", "/p/6.par",
                                                "/p/4.par", "/p/3.par"}));

    ProgramSettings settings = DefaultSettings("/tmp/");
    settings.recentProjects = {"/home/u/Caf\xc3\xa9 telling.par", "/p/8.par"};
    const std::string text = SettingsFileText(settings);
    EXPECT_NE(text.find("RecentProject1=/home/u/Caf\xc3\xa9 telling.par\r\n"
                        "RecentProject2=/p/8.par\r\n"),
              std::string::npos);
    EXPECT_EQ(Parse(text).recentProjects, settings.recentProjects);
    EXPECT_TRUE(DefaultSettings("/tmp/").recentProjects.empty());

    std::string many = "[**General variables**]\r\nRecentProject1=\r\n";
    for (int i = 1; i <= 8; ++i) {
        many += "RecentProject" + std::to_string(i + 1) + "=/q/" + std::to_string(i) + "\r\n";
    }
    const std::vector<std::string> read = Parse(many).recentProjects;
    ASSERT_EQ(read.size(), kRecentProjectCount);
    EXPECT_EQ(read.front(), "/q/1");
    EXPECT_EQ(read.back(), "/q/6");
}

TEST(SettingsRead, MotiveBoundsTakeTheTimeFieldRulesAndKeepTheirDefaultsWhenUnreadable) {
    const ProgramSettings read = Parse(
        "[**General variables**]\r\nMotiveMorning=630\r\nMotiveEvening=2500\r\n"
        "MotiveCommuterMinutes=300\r\n");
    EXPECT_EQ(read.motiveBounds.morning, "0630");
    EXPECT_EQ(read.motiveBounds.evening, "0000");
    EXPECT_EQ(read.motiveBounds.commuterMinutes, 300);
    const ProgramSettings kept = Parse(
        "[**General variables**]\r\nMotiveMorning=zes\r\nMotiveEvening=\r\n"
        "MotiveCommuterMinutes=-5\r\n");
    EXPECT_EQ(kept.motiveBounds.morning, "0700");
    EXPECT_EQ(kept.motiveBounds.evening, "1900");
    EXPECT_EQ(kept.motiveBounds.commuterMinutes, 240);
}

TEST(SettingsWrite, LineBreaksInsideValuesCannotAddLines) {
    ProgramSettings settings = DefaultSettings("/tmp/");
    settings.report.ownerName = "A\r\n[**Form positions**]\nB";
    const ProgramSettings read = Parse(SettingsFileText(settings));
    EXPECT_EQ(read.report.ownerName, "A  [**Form positions**] B");
    EXPECT_TRUE(read.formPositions.Entries().size() == 1);  // the final blank line only
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavoric-settings-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(SettingsFileTest, WritingCreatesTheFolderAndReplacesTheFile) {
    const std::string path = SettingsFilePath(folder_.string() + "/");
    ScriptedPrompter prompter;
    ProgramSettings settings = DefaultSettings("/tmp/");
    ASSERT_TRUE(WriteSettings(settings, path, prompter));
    settings.report.tableFontSize = 11;
    ASSERT_TRUE(WriteSettings(settings, path, prompter));
    EXPECT_EQ(ReadSettings(path, "/tmp/").report.tableFontSize, 11);
    EXPECT_TRUE(prompter.asked().empty());
}

TEST_F(SettingsFileTest, FailedWriteShowsTheNoticeAndLeavesNothingBehind) {
    // A folder where the file should be: no rename can replace it, not even as root.
    const std::string path = SettingsFilePath(folder_.string() + "/");
    std::filesystem::create_directories(path);
    ScriptedPrompter prompter;
    EXPECT_FALSE(WriteSettings(DefaultSettings("/tmp/"), path, prompter));
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].kind, DialogKind::Error);
    EXPECT_EQ(prompter.asked()[0].text.rfind("Kan instellingenbestand \"" + path +
                                                 "\" niet opslaan. Mogelijk geen schrijfrechten",
                                             0),
              0u);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(ReadSettings(path, "/tmp/").report.tableFontSize, 8);  // and reading it is harmless
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ / "Tavoric"),
                            std::filesystem::directory_iterator{}),
              1);
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        old_ = old ? std::optional<std::string>(old) : std::nullopt;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnvironment() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsLocation, ConfigurationFolderFollowsTheEnvironment) {
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "/home/a/conf");
        EXPECT_EQ(SettingsFilePath(ApplicationDataFolder("/opt/")),
                  "/home/a/conf/Tavoric/Tavoric.ini");
        EXPECT_EQ(PseudonymKeyPath(SettingsFilePath(ApplicationDataFolder("/opt/"))),
                  "/home/a/conf/Tavoric/pseudoniem.key");
    }
    ScopedEnvironment config("XDG_CONFIG_HOME", "relative/conf");
    {
        ScopedEnvironment home("HOME", "/home/b");
        EXPECT_EQ(ApplicationDataFolder("/opt/"), "/home/b/.config/");
    }
    ScopedEnvironment home("HOME", nullptr);
    EXPECT_EQ(ApplicationDataFolder("/opt/"), "/opt/");
}

TEST_F(SettingsFileTest, CommandLineReadsTheReportLookOfTheSameFile) {
    ScopedEnvironment config("XDG_CONFIG_HOME", folder_.c_str());
    ProgramSettings settings = DefaultSettings("/tmp/");
    settings.report.lineCharacter = "-";
    settings.report.ownerName = "Gemeente X";
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteSettings(settings, SettingsFilePath(ApplicationDataFolder("")), prompter));
    const ReportSettings report = LoadReportSettings();
    EXPECT_EQ(report.lineCharacter, "-");
    EXPECT_EQ(report.ownerName, "Gemeente X");
    EXPECT_EQ(report.barCharacter, "\x95");
}

}  // namespace
}  // namespace tavoric
