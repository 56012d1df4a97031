// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message_texts.h"

#include <gtest/gtest.h>

#include "lang/load_message_texts.h"

namespace tavoric {
namespace {

class MessageTexts : public ::testing::Test {
protected:
    void TearDown() override {
        SetDefaultMessageTexts();
        SetFixedTexts(kDutch);
    }
};

TEST_F(MessageTexts, DefaultsAreExactBytes) {
    ASSERT_GE(MessageKeys().size(), 115u);
    EXPECT_EQ(MessageKeys().front(), "ZB00011");
    EXPECT_EQ(MessageKeys()[114], "AA00196");
    EXPECT_EQ(MessageText("AA00030"), "deld  ");
    EXPECT_EQ(MessageText("AA00094"), "      ");
    EXPECT_EQ(MessageText("AA00035"), "Kan bestand \"%s\" niet openen.");
    EXPECT_EQ(MessageText("AA00091").substr(MessageText("AA00091").size() - 11),
              "\r\rDoorgaan?");
    EXPECT_NE(MessageText("AA00005").find("ge\xEFnstalleerd"), std::string::npos);
    EXPECT_EQ(MessageText("XX99999"), "");
}

TEST_F(MessageTexts, LanguageFileReplacesOnlyItsKeys) {
    const IniFile file = IniFile::Parse(
        "[Dynamic]\r\nAA00003=\"Report\"\r\naa00004=\"A\\nB\"\r\nZB00020=\"\"\r\n"
        "AA00012=Weather\r\nAA99999=\"ignored\"\r\n");
    LoadMessageTexts(file);
    EXPECT_EQ(MessageText("AA00003"), "Report");
    EXPECT_EQ(MessageText("AA00004"), "A\r\nB");
    EXPECT_EQ(MessageText("ZB00020"), "");
    EXPECT_EQ(MessageText("AA00012"), "eathe");
    EXPECT_EQ(MessageText("AA00030"), "deld  ");
    EXPECT_EQ(MessageText("AA99999"), "");
}

TEST_F(MessageTexts, ReaderIgnoresCaseOfSectionsAndKeysAndKeepsTheValueAfterTheFirstEquals) {
    const IniFile file = IniFile::Parse("[dynamic]\nAA00003=\"a=b\"\nAA00003=\"second\"\n[Other]\nx=1");
    EXPECT_EQ(file.Value("DYNAMIC", "aa00003").value(), "\"a=b\"");
    EXPECT_EQ(file.Value("other", "X").value(), "1");
    EXPECT_FALSE(file.Value("Dynamic", "x").has_value());
    EXPECT_FALSE(file.Value("Missing", "x").has_value());
}

TEST_F(MessageTexts, FixedTextsFollowTheLanguage) {
    EXPECT_EQ(FixedTexts().newProjectBaseName, "Nieuw");
    SetFixedTexts("English");
    EXPECT_EQ(FixedTexts().newProjectBaseName, "New");
    EXPECT_EQ(FixedTexts().readMeFileName, "ReadMe.txt");
    SetFixedTexts(kDutch);
    EXPECT_EQ(FixedTexts().versionLine, "Versie %s");
}

}  // namespace
}  // namespace tavoric
