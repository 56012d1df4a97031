// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/demo_survey.h"
#include "csv_records.h"
#include "entry/observation_csv.h"
#include "workbook_reader.h"

namespace tavoric {
namespace {

using nlohmann::json;

// The rows of the observation sheets, each sheet's header left out.
std::vector<std::vector<std::string>> ObservationRows(const json& book) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t s = 1; s < book["sheets"].size(); ++s) {
        const json& sheet = book["sheets"][s];
        for (std::size_t r = 1; r < sheet["rows"].size(); ++r) {
            std::vector<std::string> row;
            for (const json& cell : sheet["rows"][r]) {
                EXPECT_TRUE(cell.is_null() || cell["t"] == "s");
                row.push_back(cell.is_null() ? "" : cell["v"].get<std::string>());
            }
            row.resize(6);
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace

// The sheets hold the rows of the CSV file, continued on further sheets past the row limit.
TEST(ObservationWorkbook, SheetsHoldTheCsvRowsAndContinuePastTheRowLimit) {
    SKIP_WITHOUT_OPENPYXL();
    Survey survey = MakeDemoSurvey({12, 5});
    survey.KentekensList.Set(0, PpeLineWithPlate(PpeKey(survey.KentekensList[0]), "=1+1", "f"));
    survey.KentekensList.Set(1, PpeLineWithPlate(PpeKey(survey.KentekensList[1]), "\xE9\x80Z", ""));
    for (const bool allSlots : {false, true}) {
        auto records = CsvRecords(ObservationCsvContent(survey, allSlots));
        records.erase(records.begin());
        for (auto& record : records) {
            for (std::string& field : record) {  // the CSV's guard against formulas
                field = field.starts_with("'=") ? field.substr(1) : field;
            }
        }
        const std::size_t rowsPerSheet = (records.size() + 3) / 4 + 1;
        std::string error;
        const std::optional<std::string> bytes =
            ObservationWorkbook(survey, allSlots, error, rowsPerSheet);
        ASSERT_TRUE(bytes) << error;
        const std::optional<json> book = DescribeWorkbook(*bytes);
        ASSERT_TRUE(book);
        const json& sheets = (*book)["sheets"];
        ASSERT_EQ(sheets.size(), 5u);  // Onderzoek and four sheets of observations
        EXPECT_EQ(sheets[0]["name"], "Onderzoek");
        EXPECT_EQ(sheets[1]["name"], "Waarnemingen");
        EXPECT_EQ(sheets[4]["name"], "Waarnemingen (4)");
        EXPECT_EQ(sheets[4]["rows"][0][4]["v"], "kenteken");
        EXPECT_EQ(ObservationRows(*book), records);
    }
}

}  // namespace tavoric
