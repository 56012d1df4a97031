// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tavoric {
namespace {

TEST(PadField, AlignsCutsAndRepeats) {
    EXPECT_EQ(PadField("R", "7", "0", 4), "0007");
    EXPECT_EQ(PadField("R", "12345", "0", 4), "1234");
    EXPECT_EQ(PadField("L", "", " ", 3), "   ");
    EXPECT_EQ(PadField("L", "ab", "", 4), "ab  ");
    EXPECT_EQ(PadField("F", "-", " ", 0), "");
    EXPECT_EQ(PadField("F", "=", " ", 1), "=");
    EXPECT_EQ(PadField("F", "ab", " ", 1), "a");
    EXPECT_EQ(PadField("X", "abc", " ", 5), "");
}

TEST(Chars, ReadsPastTheEndAsEmpty) {
    EXPECT_EQ(Chars("0001 0002", 6, 9), "0002");
    EXPECT_EQ(Chars("0001 00", 6, 9), "00");
    EXPECT_EQ(Chars("0001", 6, 9), "");
    EXPECT_EQ(CharsFrom("0001 abc", 6), "abc");
    EXPECT_EQ(CharsFrom("0001", 41), "");
}

TEST(IsInteger, AcceptsSignAndDigitsOnly) {
    EXPECT_TRUE(IsInteger("30"));
    EXPECT_TRUE(IsInteger("-5"));
    EXPECT_TRUE(IsInteger("+5"));
    EXPECT_TRUE(IsInteger("007"));
    EXPECT_FALSE(IsInteger(""));
    EXPECT_FALSE(IsInteger(" 30"));
    EXPECT_FALSE(IsInteger("3x"));
    EXPECT_FALSE(IsInteger("99999999999"));
    EXPECT_FALSE(IsInteger("+-1"));
    EXPECT_EQ(IntegerOrZero("abc"), 0);
}

TEST(CompareNoCase, IgnoresAsciiCaseOnly) {
    EXPECT_EQ(CompareNoCase("abc", "ABC"), 0);
    EXPECT_LT(CompareNoCase("abc", "abd"), 0);
    EXPECT_LT(CompareNoCase("ab", "abc"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
}

TEST(FormatText, FillsPlaceholdersInOrderAndNeverReadsArgumentsAsFormats) {
    EXPECT_EQ(FormatText("Pagina %s van %s", {"1", "3"}), "Pagina 1 van 3");
    EXPECT_EQ(FormatText("Bestand \"%s\"", {"%s%n%d"}), "Bestand \"%s%n%d\"");
    EXPECT_EQ(FormatText("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(FormatText("100%", {}), "100%");
}

TEST(Files, TrailingDelimiterAndCopyBetweenFolders) {
    EXPECT_EQ(WithTrailingDelimiter("/tmp"), "/tmp/");
    EXPECT_EQ(WithTrailingDelimiter("/tmp/"), "/tmp/");
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / "tavoric_copy_test";
    fs::remove_all(root);
    fs::create_directories(root / "a");
    fs::create_directories(root / "b");
    std::ofstream(root / "a" / "x.par") << "new";
    std::ofstream(root / "b" / "x.par") << "old";
    EXPECT_TRUE(CopyFileBetweenFolders((root / "a").string(), (root / "b").string(), "x.par"));
    std::ifstream copied(root / "b" / "x.par");
    std::string content;
    copied >> content;
    EXPECT_EQ(content, "new");
    EXPECT_FALSE(CopyFileBetweenFolders((root / "a").string(), (root / "b").string(), "none"));
    fs::remove_all(root);
}

}  // namespace
}  // namespace tavoric
