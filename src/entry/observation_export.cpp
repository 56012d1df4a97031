// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec.h"
#include "core/csv.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "entry/observation_csv.h"

namespace tavoric {

namespace {

// The column names of the observation files, which programs read (never translated).
const std::vector<std::string>& ObservationColumns() {
    static const std::vector<std::string> columns = {"route",   "sectie",   "plaats",
                                                     "periode", "kenteken", "opmerking"};
    return columns;
}

}  // namespace

std::string ObservationCsvContent(const Survey& survey, bool allSlots) {
    constexpr std::size_t kRowSize = 40;
    std::string content;
    content.reserve((survey.KentekensList.size() + 1) * kRowSize);
    AppendCsvRecord(content, ObservationColumns());
    for (const std::string_view line : survey.KentekensList) {
        const std::string_view plate = TrimTrailingBlanks(PpePlate(line));
        const std::string_view remark = TrimTrailingBlanks(PpeRemark(line));
        if (allSlots || !plate.empty() || !remark.empty()) {
            // Route to period are digits in a sound file, but the line may be hand-made.
            AppendCsvRecord(content,
                            {SpreadsheetText(RouteKey(line)), SpreadsheetText(SectionNumber(line)),
                             SpreadsheetText(PlaceNumber(line)),
                             SpreadsheetText(TrimTrailingBlanks(PpePeriod(line))),
                             SpreadsheetText(plate), SpreadsheetText(remark)});
        }
    }
    return Cp1252ToUtf8(content);
}

std::optional<std::string> ObservationWorkbook(const Survey& survey, bool allSlots,
                                               std::string& error, std::size_t rowsPerSheet) {
    Workbook workbook(rowsPerSheet);
    AddFactsSheet(workbook, MessageText("AA00821"), SurveyFacts(survey.AlgemeneGegevens));
    workbook.StartSheet(MessageText("AA00855"), ObservationColumns(), 4);
    std::vector<SheetCell> row(ObservationColumns().size());
    for (const std::string_view line : survey.KentekensList) {
        const std::string_view plate = TrimTrailingBlanks(PpePlate(line));
        const std::string_view remark = TrimTrailingBlanks(PpeRemark(line));
        if (allSlots || !plate.empty() || !remark.empty()) {
            row = {SheetCell::Text(RouteKey(line)),
                   SheetCell::Text(SectionNumber(line)),
                   SheetCell::Text(PlaceNumber(line)),
                   SheetCell::Text(TrimTrailingBlanks(PpePeriod(line))),
                   SheetCell::Text(plate),
                   SheetCell::Text(remark)};
            workbook.AddRow(row);
        }
    }
    return workbook.Finish(error);
}

}  // namespace tavoric
