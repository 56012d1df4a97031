// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook of a comparison of two surveys, one sheet per comparison.
#include "charts/analysis_workbook.h"
#include "core/message_texts.h"

namespace tavoric {

namespace {

// Where the sheet of each comparison gets its name, in the order of AllComparisonKinds().
constexpr const char* kSheetNameKeys[] = {"AA00848", "AA00850", "AA00851", "AA00650"};
// The columns of each sheet that stay in view when scrolling sideways.
constexpr int kFrozenColumns[] = {3, 1, 1, 1};

// "Voor.par, Demodorp, dinsdag 4 maart 2025": the parts that are there.
std::string SideText(const std::string& name, const ChartData& side) {
    std::string text;
    for (const std::string& part : {name, side.surveyArea, side.dayAndDate}) {
        if (!part.empty()) {
            text += (text.empty() ? "" : ", ") + part;
        }
    }
    return text;
}

SheetCell Cell(const ComparisonField& field) {
    if (field.kind == ComparisonField::Kind::Text) {
        return SheetCell::Text(field.text);
    }
    if (!field.number) {
        return {};
    }
    const auto number = static_cast<double>(*field.number);
    return field.kind == ComparisonField::Kind::Percent ? SheetCell::Percent(number)
                                                        : SheetCell::Number(number);
}

void AddComparisonSheet(Workbook& workbook, ComparisonKind kind,
                        const SurveyComparison& comparison) {
    const auto index = static_cast<std::size_t>(kind);
    workbook.StartSheet(MessageText(kSheetNameKeys[index]), ComparisonCsvColumns(kind),
                        kFrozenColumns[index]);
    // The cells point into the rows' texts, which live until the workbook has them.
    const std::vector<ComparisonRow> rows = ComparisonTable(kind, comparison);
    for (const ComparisonRow& row : rows) {
        std::vector<SheetCell> cells;
        for (const ComparisonField& field : row) {
            cells.push_back(Cell(field));
        }
        workbook.AddRow(cells);
    }
}

}  // namespace

std::optional<std::string> ComparisonWorkbook(const SurveyComparison& comparison,
                                              const std::string& nameA, const std::string& nameB,
                                              std::string& error) {
    std::vector<SheetFact> facts = {
        {MessageText("AA00936"), SideText(nameA, comparison.a)},
        {MessageText("AA00937"), SideText(nameB, comparison.b)},
    };
    for (SheetFact& fact : ChartSelectionFacts(comparison.a)) {
        facts.push_back(std::move(fact));
    }
    facts.push_back({MessageText("AA00938"),
                     comparison.b.selection.windowStart + "-" + comparison.b.selection.windowEnd});
    Workbook workbook;
    AddFactsSheet(workbook, MessageText("AA00935"), facts);
    for (ComparisonKind kind : AllComparisonKinds()) {
        AddComparisonSheet(workbook, kind, comparison);
    }
    return workbook.Finish(error);
}

}  // namespace tavoric
