// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/workbook.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/message_texts.h"
#include "workbook_reader.h"

namespace tavoric {

namespace {

using nlohmann::json;

const json& Sheet(const json& book, std::size_t index) {
    return book["sheets"][index];
}

const json& Cell(const json& sheet, std::size_t row, std::size_t column) {
    return sheet["rows"][row][column];
}

std::string Bytes(Workbook& workbook) {
    std::string error;
    const std::optional<std::string> bytes = workbook.Finish(error);
    EXPECT_TRUE(bytes.has_value()) << error;
    return bytes.value_or("");
}

}  // namespace

TEST(Workbook, SheetsHoldBoldFrozenFilteredHeadersNumberCellsAndFills) {
    SKIP_WITHOUT_OPENPYXL();
    Workbook workbook;
    AddFactsSheet(workbook, "Onderzoek",
                  {{"Onderzoeksgebied", "Caf\xe9 \x80"}, {"Plaatsen", {}, 36}});
    workbook.StartSheet("Per: [plaats]?", {"plaats", "voertuigen", "bezetting", "procent"}, 1);
    SheetCell coloured = SheetCell::Percent(88);
    coloured.fill = 0xd55e00;
    workbook.AddRow(
        {SheetCell::Text("=A1+1"), SheetCell::Number(12), coloured, SheetCell::Percent(12.5, 1)});
    workbook.AddRow({SheetCell::Text("a very long description of a street"),
                     SheetCell::Number(5, 1), SheetCell::Percent(0),
                     SheetCell::Text("tab\tand\x01"
                                     "control")});
    const std::optional<json> book = DescribeWorkbook(Bytes(workbook));
    ASSERT_TRUE(book);
    ASSERT_EQ((*book)["sheets"].size(), 2u);

    const json& facts = Sheet(*book, 0);
    EXPECT_EQ(facts["name"], "Onderzoek");
    EXPECT_EQ(Cell(facts, 0, 0)["v"], MessageText("AA00822"));
    EXPECT_EQ(Cell(facts, 1, 1)["v"], "Caf\xc3\xa9 \xe2\x82\xac");
    EXPECT_EQ(Cell(facts, 2, 1)["t"], "n");
    EXPECT_EQ(Cell(facts, 2, 1)["v"], 36);

    const json& table = Sheet(*book, 1);
    EXPECT_EQ(table["name"], "Per- -plaats--");  // characters a sheet name may not hold
    EXPECT_EQ(table["freeze"], "B2");
    EXPECT_EQ(table["filter"], "A1:D3");
    for (std::size_t column = 0; column < 4; ++column) {
        EXPECT_TRUE(Cell(table, 0, column)["b"]) << column;
    }
    EXPECT_EQ(Cell(table, 1, 0)["t"], "s");  // never a formula
    EXPECT_EQ(Cell(table, 1, 0)["v"], "=A1+1");
    EXPECT_EQ(Cell(table, 1, 1)["t"], "n");
    EXPECT_EQ(Cell(table, 1, 1)["v"], 12);
    EXPECT_DOUBLE_EQ(Cell(table, 1, 2)["v"].get<double>(), 0.88);
    EXPECT_EQ(Cell(table, 1, 2)["f"], "0%");
    EXPECT_EQ(Cell(table, 1, 2)["fill"], "D55E00");
    EXPECT_DOUBLE_EQ(Cell(table, 1, 3)["v"].get<double>(), 0.125);
    EXPECT_EQ(Cell(table, 1, 3)["f"], "0.0%");
    EXPECT_EQ(Cell(table, 2, 1)["f"], "0.0");
    EXPECT_EQ(Cell(table, 2, 2)["v"], 0);
    // A control character travels in the format's escape, which Excel reads as the character.
    EXPECT_EQ(Cell(table, 2, 3)["v"], "tab\tand_x0001_control");
    // Wide enough for the longest text, and a narrow column stays narrow.
    EXPECT_GE(table["widths"]["A"].get<double>(), 35.0);
    EXPECT_LT(table["widths"]["B"].get<double>(), 15.0);
}

TEST(Workbook, ALongTableContinuesOnNumberedSheetsWithTheHeader) {
    SKIP_WITHOUT_OPENPYXL();
    Workbook workbook(4);  // the header and three rows per sheet
    workbook.StartSheet("Waarnemingen", {"nummer"});
    for (int row = 1; row <= 8; ++row) {
        workbook.AddRow({SheetCell::Number(row)});
    }
    workbook.StartSheet("Daarna", {"leeg"});
    const std::optional<json> book = DescribeWorkbook(Bytes(workbook));
    ASSERT_TRUE(book);
    const std::vector<std::string> names = {"Waarnemingen", "Waarnemingen (2)", "Waarnemingen (3)",
                                            "Daarna"};
    ASSERT_EQ((*book)["sheets"].size(), names.size());
    int expected = 1;
    for (std::size_t s = 0; s < 3; ++s) {
        const json& sheet = Sheet(*book, s);
        EXPECT_EQ(sheet["name"], names[s]);
        EXPECT_EQ(Cell(sheet, 0, 0)["v"], "nummer");
        EXPECT_EQ(sheet["freeze"], "A2");
        for (std::size_t row = 1; row < sheet["rows"].size(); ++row) {
            EXPECT_EQ(Cell(sheet, row, 0)["v"], expected++);
        }
    }
    EXPECT_EQ(expected, 9);
    EXPECT_EQ(Sheet(*book, 1)["filter"], "A1:A4");
    EXPECT_EQ(Sheet(*book, 2)["filter"], "A1:A3");
}

TEST(Workbook, AWorkbookThatCannotBeMadeGivesTheReasonAndNoBytes) {
    const char* before = std::getenv("TMPDIR");
    const std::string kept = before != nullptr ? before : "";
    setenv("TMPDIR", "/nonexistent/tavoric-test", 1);
    Workbook workbook;
    workbook.StartSheet("Blad", {"a"});
    workbook.AddRow({SheetCell::Number(1)});
    std::string error;
    const std::optional<std::string> bytes = workbook.Finish(error);
    before != nullptr ? setenv("TMPDIR", kept.c_str(), 1) : unsetenv("TMPDIR");
    EXPECT_FALSE(bytes);
    EXPECT_TRUE(error.starts_with("De werkmap kan niet worden gemaakt: ")) << error;
}

}  // namespace tavoric
