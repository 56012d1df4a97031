// SPDX-License-Identifier: GPL-3.0-or-later
// Language and help files beside the program: the lists the language dialog offers, choosing a
// language, writing the template over an existing file, and the shipped English file.
#include "lang/language_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../core/temp_folder.h"
#include "core/atomic_file.h"
#include "core/message_texts.h"

namespace tavoric {
namespace {

class LanguageFilesTest : public TempFolderTest {
protected:
    void TearDown() override {
        SetDefaultMessageTexts();
        TempFolderTest::TearDown();
    }
    std::string Folder() const { return folder_.string() + "/"; }
    void Write(const std::string& name, const std::string& content) {
        std::filesystem::create_directories((folder_ / name).parent_path());
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }
};

TEST_F(LanguageFilesTest, ListsOfferFilesOfTheExtensionInAnyCaseSortedWithoutIt) {
    Write("Lng/english.LNG", "");
    Write("Lng/Deutsch.lng", "");
    Write("Lng/a.lng.lng", "");
    Write("Lng/notes.txt", "");
    std::filesystem::create_directories(folder_ / "Lng" / "folder.lng");
    const auto names = NamesWithExtension(Folder() + "Lng/", ".lng");
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::vector<std::string>{"a.lng", "Deutsch", "english"}));
    EXPECT_FALSE(NamesWithExtension(Folder() + "Hlp/", ".html"));
}

TEST_F(LanguageFilesTest, SelectingALanguageLoadsItsTextsAndAMissingFileChangesNothing) {
    Write("Lng/English.lng", "[Dynamic]\r\nAA00003=\"Report\"\r\n");
    LanguageFiles files(Folder());
    files.SelectLanguage("Klingon");
    EXPECT_EQ(files.Language(), "Nederlands");
    EXPECT_EQ(MessageText("AA00003"), "Rapport");

    files.SelectLanguage("English");
    EXPECT_EQ(files.Language(), "English");
    EXPECT_EQ(MessageText("AA00003"), "Report");

    // Back to Dutch: the setting follows at once, the texts only at the next start.
    files.SelectLanguage("Nederlands");
    EXPECT_EQ(files.Language(), "Nederlands");
    EXPECT_EQ(MessageText("AA00003"), "Report");
}

TEST_F(LanguageFilesTest, FilesOfferedWithACapitalExtensionAlsoLoad) {
    Write("Lng/Test.LNG", "[Dynamic]\r\nAA00003=\"Report\"\r\n");
    Write("Hlp/Gids.HTML", "<html></html>");
    LanguageFiles files(Folder());
    files.SelectLanguage("Test");
    EXPECT_EQ(files.Language(), "Test");
    EXPECT_EQ(MessageText("AA00003"), "Report");
    files.SelectHelp("Gids");
    EXPECT_EQ(files.HelpFile(), Folder() + "Hlp/Gids.HTML");
    files.SelectHelp("Elders");
    EXPECT_EQ(files.HelpFile(), Folder() + "Hlp/Elders.html");
}

TEST(FirstStartLanguage, DutchForADutchLocaleAndEnglishOtherwiseWhenItsFileIsThere) {
    const std::vector<std::string> both = {"Deutsch", "English"};
    for (const char* locale : {"nl", "nl_NL", "NL_be", "nl-BE", "nl_NL.UTF-8"}) {
        EXPECT_EQ(FirstStartLanguage(locale, both), "Nederlands") << locale;
    }
    for (const char* locale : {"en_US", "de_DE", "C", "", "n"}) {
        EXPECT_EQ(FirstStartLanguage(locale, both), "English") << locale;
    }
    EXPECT_EQ(FirstStartLanguage("en_GB", {"Deutsch"}), "Nederlands");
    // The help follows the language where its file is there.
    const std::vector<std::string> help = {"Tavoric_English", "Tavoric_Nederlands"};
    EXPECT_EQ(FirstStartHelp("English", help), "Tavoric_English");
    EXPECT_EQ(FirstStartHelp("Nederlands", help), "Tavoric_Nederlands");
    EXPECT_EQ(FirstStartHelp("Deutsch", help), "Tavoric_Nederlands");
}

TEST_F(LanguageFilesTest, HelpFileIsTheChosenNameInTheHelpFolder) {
    LanguageFiles files(Folder());
    EXPECT_EQ(files.HelpFile(), Folder() + "Tavoric.html");
    files.SelectHelp("Tavoric_English");
    EXPECT_EQ(files.HelpName(), "Tavoric_English");
    EXPECT_EQ(files.HelpFile(), Folder() + "Hlp/Tavoric_English.html");
}

TEST_F(LanguageFilesTest, TemplateReplacesItsKeysAndKeepsEverythingElse) {
    Write("Lng/All.lng",
          "; translator's note\r\n[HoofdForm]\r\nHoofdForm.Nieuw1.Caption=\"&New...\"\r\n"
          "HoofdForm.Old1.Caption=\"kept\"\r\n\r\n[Other]\r\nOther.X.Caption=\"x\"\r\n");
    const std::vector<TemplateSection> sections{
        {"HoofdForm",
         {{"HoofdForm.Nieuw1.Caption", "&Nieuw..."}, {"HoofdForm.Info1.Caption", "&Info"}}},
        {"Dynamic", {{"AA00003", "Rapport"}}}};
    std::string error;
    ASSERT_TRUE(WriteTemplateFile(Folder() + "Lng/All.lng", sections, error)) << error;
    std::string written;
    ASSERT_TRUE(ReadWholeFile(Folder() + "Lng/All.lng", written));
    EXPECT_EQ(written,
              "; translator's note\r\n[HoofdForm]\r\nHoofdForm.Nieuw1.Caption=\"&Nieuw...\"\r\n"
              "HoofdForm.Old1.Caption=\"kept\"\r\nHoofdForm.Info1.Caption=\"&Info\"\r\n\r\n"
              "[Other]\r\nOther.X.Caption=\"x\"\r\n\r\n[Dynamic]\r\nAA00003=\"Rapport\"\r\n");
}

TEST(LanguageFileText, LineBreaksBecomeBackslashN) {
    EXPECT_EQ(EscapeLineBreaks("a\r\nb\rc\nd"), "a\\nb\\nc\\nd");
    EXPECT_EQ(EscapeLineBreaks("plain"), "plain");
}

TEST(ReservedPrefix, IsComparedInLowerCase) {
    EXPECT_TRUE(HasReservedPrefix("ntLeesMijtxt1"));
    EXPECT_TRUE(HasReservedPrefix("NTOpInternet1"));
    EXPECT_FALSE(HasReservedPrefix("Nieuw1"));
    EXPECT_FALSE(HasReservedPrefix("n"));
}

// Every message of the shipped English file keeps the placeholders of its Dutch text, so that
// no message loses a file name or shows a stray "%s".
TEST(EnglishLanguageFile, TranslatesEveryMessageWithItsPlaceholders) {
    const std::optional<IniFile> english = IniFile::Load(TAVORIC_LANGUAGE_DATA "/English.lng");
    ASSERT_TRUE(english);
    auto placeholders = [](std::string_view text) {
        std::size_t count = 0;
        for (std::size_t at = text.find("%s"); at != std::string_view::npos;
             at = text.find("%s", at + 2)) {
            ++count;
        }
        return count;
    };
    for (const std::string& key : MessageKeys()) {
        const auto value = english->Value("Dynamic", key);
        ASSERT_TRUE(value) << key << " is not translated";
        EXPECT_EQ(placeholders(StripEnclosing(*value)), placeholders(DefaultMessageText(key)))
            << key;
    }
}

}  // namespace
}  // namespace tavoric
