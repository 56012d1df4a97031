// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"

#include <gtest/gtest.h>

namespace tavoric {
namespace {

using Fields = std::vector<std::string>;
using namespace std::string_view_literals;

struct ReadRecord {
    Fields fields;
    std::size_t line;
    bool malformed;
};

std::vector<ReadRecord> ReadAll(std::string_view content, char separator = ',') {
    CsvReader reader(content, separator);
    std::vector<ReadRecord> records;
    Fields fields;
    while (reader.Next(fields)) {
        records.push_back({fields, reader.RecordLine(), reader.RecordMalformed()});
    }
    return records;
}

TEST(Csv, SeparatorFollowsTheHeaderLine) {
    EXPECT_EQ(DetectCsvSeparator("route;sectie;plaats\r\n1,2,3\r\n"), ';');
    EXPECT_EQ(DetectCsvSeparator("route,sectie,plaats\n1;2;3;4;5\n"), ',');
    EXPECT_EQ(DetectCsvSeparator("\"a;b;c\",d\n"), ',');
    EXPECT_EQ(DetectCsvSeparator("kenteken"), ',');
    EXPECT_EQ(DetectCsvSeparator(""), ',');
}

TEST(Csv, ReadsPlainAndQuotedFieldsWithEitherLineEnd) {
    const auto records = ReadAll("a,b,c\r\n1,\"x,y\",\"say \"\"hi\"\"\"\n,,\r\nlast,\"\"");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b", "c"}));
    EXPECT_EQ(records[1].fields, (Fields{"1", "x,y", "say \"hi\""}));
    EXPECT_EQ(records[2].fields, (Fields{"", "", ""}));
    EXPECT_EQ(records[3].fields, (Fields{"last", ""}));
    for (const ReadRecord& record : records) {
        EXPECT_FALSE(record.malformed);
    }
}

TEST(Csv, SemicolonFilesKeepCommasInFields) {
    const auto records = ReadAll("route;opmerking\r\n7;\"a;b\";c,d\r\n", ';');
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].fields, (Fields{"7", "a;b", "c,d"}));
}

TEST(Csv, LineNumbersCountEmptyLinesAndBreaksInsideQuotes) {
    const auto records = ReadAll("h1,h2\n\n\"two\nlines\",x\r\n\r\nnext,y\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].line, 1u);
    EXPECT_EQ(records[1].line, 3u);
    EXPECT_EQ(records[1].fields[0], "two\nlines");
    EXPECT_EQ(records[2].line, 6u);
    EXPECT_EQ(records[2].fields, (Fields{"next", "y"}));
}

TEST(Csv, BrokenQuotingIsFlaggedAndTheNextRecordStillReads) {
    const auto records = ReadAll("\"ab\"c,d\nok,1\n\"open,2\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE(records[0].malformed);
    EXPECT_EQ(records[0].fields, (Fields{"abc", "d"}));
    EXPECT_FALSE(records[1].malformed);
    EXPECT_EQ(records[1].fields, (Fields{"ok", "1"}));
    EXPECT_TRUE(records[2].malformed);
    EXPECT_EQ(records[2].line, 3u);
}

TEST(Csv, OlderFilesTabsAndUtf16) {
    EXPECT_EQ(DetectCsvSeparator("route\tsectie\tplaats\r1,2\r"), '\t');
    EXPECT_EQ(DetectCsvSeparator("a;b\rc,d,e,f\r"), ';') << "the header ends at a lone CR";
    const auto records = ReadAll("a,b\r1,\"x\ry\"\r\r2,z\r");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].fields, (Fields{"1", "x\ry"}));
    EXPECT_EQ(records[2].line, 5u);
    EXPECT_EQ(records[2].fields, (Fields{"2", "z"}));

    std::string storage;
    EXPECT_EQ(CsvContentAsUtf8("\xFF\xFE"
                               "a\0\xE9\0\x3D\xD8\x00\xDE"sv,
                               storage),
              "a\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(CsvContentAsUtf8("\xFE\xFF"
                               "\0b\xD8\x00"
                               "c"sv,
                               storage),
              "b\xEF\xBF\xBD\xEF\xBF\xBD")
        << "a lone surrogate and an odd last byte";
    EXPECT_EQ(CsvContentAsUtf8("\xEF\xBB\xBFr,s", storage), "r,s");
    EXPECT_EQ(CsvContentAsUtf8("r,s", storage), "r,s");
}

TEST(Csv, AQuoteThatIsNeverClosedWhereAFieldEndsIsNamedByItsLine) {
    const auto brokenLine = [](std::string_view content) {
        CsvReader reader(content, ',');
        Fields fields;
        while (reader.Next(fields)) {
        }
        return reader.BrokenQuoteLine();
    };
    EXPECT_EQ(brokenLine("h\n\"ab\"c,d\n\"two\nlines\",e\n"), 0u);
    EXPECT_EQ(brokenLine("h\nok\n\"open,1\nnext,2\n"), 3u);
    EXPECT_EQ(brokenLine("h\n\"open,1\nnext,\"2\"\nlast\n"), 2u);
}

TEST(Csv, WriterQuotesOnlyWhenNeeded) {
    std::string out;
    AppendCsvRecord(out,
                    {"0001", "AB12CD", "", " lead", "a,b", "x;y", "say \"hi\"", "two\r\nlines"});
    EXPECT_EQ(out,
              "0001,AB12CD,,\" lead\",\"a,b\",\"x;y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n");
}

TEST(Csv, TextThatASpreadsheetWouldTakeForAFormulaGetsAnApostrophe) {
    for (const std::string_view formula :
         {"=1+1", "+31", "-5", "@SUM(A1)", "\tcmd", "\rx", "=", "'=already"}) {
        const std::string expected =
            formula.starts_with('\'') ? std::string(formula) : "'" + std::string(formula);
        EXPECT_EQ(SpreadsheetText(formula), expected) << formula;
    }
    for (const std::string_view text : {"", "AB12CD", " =x", "a=b", "|cmd", "0800-0815"}) {
        EXPECT_EQ(SpreadsheetText(text), text);
    }
}

TEST(Csv, WhatTheWriterWritesReadsBackUnchanged) {
    const Fields fields = {"", " ", "\"", ",", ";", "a\nb", "trail ", "\xE9t\xE9", "plain"};
    std::string out;
    for (const std::string& field : fields) {
        AppendCsvRecord(out, {field, "end"});
    }
    const auto records = ReadAll(out);
    ASSERT_EQ(records.size(), fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(records[i].fields, (Fields{fields[i], "end"})) << i;
        EXPECT_FALSE(records[i].malformed);
    }
}

}  // namespace
}  // namespace tavoric
