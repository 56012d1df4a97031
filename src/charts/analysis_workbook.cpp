// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/analysis_workbook.h"

#include <algorithm>
#include <set>

#include "analysis/motive_report.h"
#include "charts/chart_csv.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

using Row = std::vector<SheetCell>;

std::string JoinedList(const std::set<std::string>& items) {
    std::string list;
    for (const std::string& item : items) {
        list += (list.empty() ? "" : ", ") + item;
    }
    return list;
}

std::string YesNo(bool yes) {
    return MessageText(yes ? "AA00838" : "AA00839");
}

void AddDurationFacts(std::vector<SheetFact>& facts, const AnalysisParameters& parameters) {
    for (std::size_t k = 0; k < parameters.classes.size(); ++k) {
        const DurationClass& range = parameters.classes[k];
        facts.push_back({FormatText(MessageText("AA00835"), {std::to_string(k + 1)}),
                         std::to_string(range.from) + "-" + std::to_string(range.to)});
    }
    facts.push_back({MessageText("AA00836"), YesNo(parameters.countIllegalInPpl)});
    facts.push_back({MessageText("AA00837"), YesNo(parameters.countIllegalInPpe)});
}

void AddMotiveFacts(std::vector<SheetFact>& facts, const MotiveBounds& bounds) {
    facts.push_back({MessageText("AA00840"), bounds.morning});
    facts.push_back({MessageText("AA00841"), bounds.evening});
    facts.push_back({MessageText("AA00842"), {}, static_cast<double>(bounds.commuterMinutes)});
}

// The survey's general data and the selection, as the first sheet.
void AddSurveySheet(Workbook& workbook, const GeneralValues& general,
                    std::vector<SheetFact> selection) {
    std::vector<SheetFact> facts = SurveyFacts(general);
    facts.insert(facts.end(), selection.begin(), selection.end());
    AddFactsSheet(workbook, MessageText("AA00821"), facts);
}

std::vector<SheetFact> ReportFacts(const char* titleKey, const AnalysisParameters& parameters) {
    std::vector<SheetFact> facts = {{MessageText("AA00844"), MessageText(titleKey)}};
    for (SheetFact& fact : SelectionFacts(parameters)) {
        facts.push_back(std::move(fact));
    }
    return facts;
}

Row FigureCells(const PlaceFigures& figures) {
    Row row = {SheetCell::Number(figures.capacityPpl), SheetCell::Number(figures.capacityPpe)};
    for (int count : figures.classCount) {
        row.push_back(SheetCell::Number(count));
    }
    for (std::int64_t percent : figures.classPercent) {
        row.push_back(SheetCell::Percent(static_cast<double>(percent)));
    }
    for (double number :
         {static_cast<double>(figures.vehicles), static_cast<double>(figures.occupiedSlots),
          static_cast<double>(figures.wronglyParked)}) {
        row.push_back(SheetCell::Number(number));
    }
    row.push_back(SheetCell::Percent(static_cast<double>(figures.meanOccupancy)));
    row.push_back(SheetCell::Number(static_cast<double>(figures.meanDuration)));
    row.push_back(SheetCell::Number(TurnoverNumber(figures), 1));
    return row;
}

void AddPerPlaceSheet(Workbook& workbook, const PerPlaceTable& table) {
    workbook.StartSheet(MessageText("AA00845"), PerPlaceTableColumns(), 4);
    for (const PerPlaceTableRow& place : table.places) {
        Row row = {SheetCell::Text(place.route), SheetCell::Text(place.section),
                   SheetCell::Text(place.place), SheetCell::Text(place.type)};
        const Row figures = FigureCells(place.figures);
        row.insert(row.end(), figures.begin(), figures.end());
        workbook.AddRow(row);
    }
    Row totals = {SheetCell{}, SheetCell{}, SheetCell{}, SheetCell::Text(kTotalsRowName)};
    const Row figures = FigureCells(table.totals);
    totals.insert(totals.end(), figures.begin(), figures.end());
    workbook.AddRow(totals);
}

// A number cell per period: 1 present, 0 absent.
Row PatternCells(std::string_view pattern) {
    Row row;
    for (const char present : pattern) {
        row.push_back(SheetCell::Number(present == '1' ? 1 : 0));
    }
    return row;
}

void AddIntervalSheets(Workbook& workbook, const IntervalTable& table) {
    workbook.StartSheet(MessageText("AA00846"), IntervalPatternColumns(table));
    const std::int64_t allVehicles = AllVehicles(table);
    for (const IntervalPatternRow& pattern : table.patterns) {
        Row row = PatternCells(pattern.pattern);
        row.push_back(SheetCell::Number(pattern.vehicles));
        row.push_back(SheetCell::Percent(IntervalPatternPercent(pattern.vehicles, allVehicles), 1));
        workbook.AddRow(row);
    }
    if (table.detail.empty()) {
        return;
    }
    workbook.StartSheet(MessageText("AA00847"), IntervalDetailColumns(table));
    for (const IntervalDetailRow& vehicle : table.detail) {
        Row row = PatternCells(vehicle.pattern);
        for (const std::string_view text :
             {Chars(vehicle.place, 1, 4), Chars(vehicle.place, 6, 9), Chars(vehicle.place, 11, 14),
              CharsFrom(vehicle.place, 16), std::string_view(vehicle.plate)}) {
            row.push_back(SheetCell::Text(TrimBlanks(text)));
        }
        workbook.AddRow(row);
    }
}

void AddMotiveSheets(Workbook& workbook, const MotiveFigures& figures,
                     const LineList& sectionLines) {
    workbook.StartSheet(MessageText("AA00650"), MotiveTotalsColumns());
    const std::int64_t all = TotalVehicles(figures.vehicles);
    for (std::size_t m = 0; m < kMotiveCount; ++m) {
        workbook.AddRow(
            {SheetCell::Text(MotiveName(m)),
             SheetCell::Number(static_cast<double>(figures.vehicles[m])),
             SheetCell::Percent(static_cast<double>(MotivePercent(figures.vehicles[m], all)))});
    }
    auto counts = [](const MotiveCounts& vehicles) {
        Row row;
        for (std::int64_t count : vehicles) {
            row.push_back(SheetCell::Number(static_cast<double>(count)));
        }
        return row;
    };
    workbook.StartSheet(MessageText("AA00853"), MotivePeriodColumns(), 1);
    for (const MotiveRow& time : figures.clockTimes) {
        Row row = {SheetCell::Text(time.key)};
        const Row vehicles = counts(time.vehicles);
        row.insert(row.end(), vehicles.begin(), vehicles.end());
        workbook.AddRow(row);
    }
    workbook.StartSheet(MessageText("AA00854"), MotiveSectionsColumns(), 3);
    for (const MotiveRow& section : figures.sections) {
        Row row = {SheetCell::Text(Chars(section.key, 1, 4)),
                   SheetCell::Text(Chars(section.key, 6, 9)),
                   SheetCell::Text(SectionDescriptionOf(sectionLines, section.key))};
        const Row vehicles = counts(section.vehicles);
        row.insert(row.end(), vehicles.begin(), vehicles.end());
        workbook.AddRow(row);
    }
}

SheetCell Percent(std::int64_t percent) {
    return SheetCell::Percent(static_cast<double>(percent));
}

SheetCell Count(std::int64_t count) {
    return SheetCell::Number(static_cast<double>(count));
}

void AddOccupancySheet(Workbook& workbook, const ChartData& data) {
    workbook.StartSheet(MessageText("AA00850"), ChartCsvColumns(ChartKind::Occupancy), 1);
    for (const ClockOccupancy& time : data.occupancy) {
        workbook.AddRow({SheetCell::Text(time.time), Count(time.capacity), Count(time.vehicles),
                         Percent(time.occupancy)});
    }
}

void AddSectionsSheet(Workbook& workbook, const ChartData& data) {
    workbook.StartSheet(MessageText("AA00848"), ChartCsvColumns(ChartKind::Sections), 3);
    for (const SectionPressure& section : data.sections) {
        SheetCell occupancy = Percent(section.occupancy);
        if (section.observed) {
            occupancy.fill = PressureRgb(ClassifyPressure(section.occupancy, data.threshold));
        }
        workbook.AddRow({SheetCell::Text(section.route), SheetCell::Text(section.section),
                         SheetCell::Text(section.description), Count(section.places),
                         Count(section.capacity), Count(section.occupied), occupancy,
                         Percent(section.peak)});
    }
}

// A section's row of the street-and-time grid: its occupancy at each clock time of the area,
// filled with its pressure colour; empty where it has no slot or was not surveyed.
Row GridRow(const SectionPressure& section, const ChartData& data) {
    constexpr std::size_t kFirstTimeColumn = 3;
    Row row = {SheetCell::Text(section.route), SheetCell::Text(section.section),
               SheetCell::Text(section.description)};
    row.resize(kFirstTimeColumn + data.occupancy.size());
    if (!section.observed) {
        return row;
    }
    for (const ClockOccupancy& cell : section.byClockTime) {
        const auto time = std::find_if(
            data.occupancy.begin(), data.occupancy.end(),
            [&cell](const ClockOccupancy& area) { return area.minutes == cell.minutes; });
        if (time != data.occupancy.end()) {
            SheetCell& shown =
                row[kFirstTimeColumn + static_cast<std::size_t>(time - data.occupancy.begin())];
            shown = Percent(cell.occupancy);
            shown.fill = PressureRgb(ClassifyPressure(cell.occupancy, data.threshold));
        }
    }
    return row;
}

// Sections down, the clock times of the selection across.
void AddStreetAndTimeSheet(Workbook& workbook, const ChartData& data) {
    std::vector<std::string> header = {"route", "sectie", "omschrijving"};
    for (const ClockOccupancy& time : data.occupancy) {
        header.push_back(time.time);
    }
    workbook.StartSheet(MessageText("AA00849"), header, 3);
    for (const SectionPressure& section : data.sections) {
        workbook.AddRow(GridRow(section, data));
    }
}

void AddDurationsSheet(Workbook& workbook, const ChartData& data) {
    workbook.StartSheet(MessageText("AA00851"), ChartCsvColumns(ChartKind::Durations));
    for (std::size_t k = 0; k < data.durations.size(); ++k) {
        const DurationShare& share = data.durations[k];
        workbook.AddRow({Count(static_cast<std::int64_t>(k) + 1), Count(share.range.from),
                         Count(share.range.to), Count(share.vehicles), Percent(share.percent)});
    }
}

}  // namespace

std::vector<SheetFact> SelectionFacts(const AnalysisParameters& parameters) {
    std::set<std::string> routes;
    std::set<std::string> sections;
    for (const std::string& place : parameters.selectedPlaces) {
        routes.emplace(RouteKey(place));
        sections.emplace(SectionKey(place));
    }
    std::vector<SheetFact> facts = {
        {MessageText("AA00830"), parameters.windowStart + "-" + parameters.windowEnd},
        {MessageText("AA00831"), {}, static_cast<double>(parameters.selectedPlaces.size())},
        {MessageText("AA00832"), JoinedList(routes)},
        {MessageText("AA00833"), {}, static_cast<double>(sections.size())},
    };
    if (parameters.typeListHasEntries) {
        facts.push_back({MessageText("AA00834"),
                         JoinedList(std::set<std::string>(parameters.selectedTypes.begin(),
                                                          parameters.selectedTypes.end()))});
    }
    if (parameters.reportKind == ReportKind::Motive) {
        AddMotiveFacts(facts, parameters.motiveBounds);
    } else {
        AddDurationFacts(facts, parameters);
    }
    return facts;
}

std::optional<std::string> AnalysisWorkbook(const GeneralValues& general,
                                            const AnalysisParameters& parameters,
                                            const CleanTables& tables, std::string& error) {
    Workbook workbook;
    const bool perPlace = parameters.reportKind == ReportKind::PerPlace;
    AddSurveySheet(workbook, general, ReportFacts(perPlace ? "AA00026" : "AA00031", parameters));
    if (perPlace) {
        AddPerPlaceSheet(workbook, tables.perPlace);
    } else {
        AddIntervalSheets(workbook, tables.interval);
    }
    return workbook.Finish(error);
}

std::optional<std::string> MotiveWorkbook(const GeneralValues& general,
                                          const AnalysisParameters& parameters,
                                          const MotiveFigures& figures,
                                          const LineList& sectionLines, std::string& error) {
    Workbook workbook;
    AddSurveySheet(workbook, general, ReportFacts("AA00650", parameters));
    AddMotiveSheets(workbook, figures, sectionLines);
    return workbook.Finish(error);
}

std::string CleanTableCsv(const AnalysisExports& analysis) {
    switch (analysis.parameters.reportKind) {
        case ReportKind::PerPlace:
            return PerPlaceTableCsv(analysis.tables.perPlace);
        case ReportKind::PerInterval:
            return IntervalPatternCsv(analysis.tables.interval);
        case ReportKind::Motive:
            break;
    }
    return MotivePeriodCsv(analysis.tables.motive);
}

std::optional<std::string> ReportWorkbook(const AnalysisExports& analysis, std::string& error) {
    if (analysis.parameters.reportKind == ReportKind::Motive) {
        return MotiveWorkbook(analysis.general, analysis.parameters, analysis.tables.motive,
                              analysis.sectionLines, error);
    }
    return AnalysisWorkbook(analysis.general, analysis.parameters, analysis.tables, error);
}

std::vector<SheetFact> ChartSelectionFacts(const ChartData& data) {
    std::vector<SheetFact> selection = SelectionFacts(data.selection);
    AddMotiveFacts(selection, data.selection.motiveBounds);
    selection.push_back({MessageText("AA00843"), {}, static_cast<double>(data.threshold)});
    return selection;
}

std::optional<std::string> ChartWorkbook(const ChartData& data, std::string& error) {
    Workbook workbook;
    AddSurveySheet(workbook, data.general, ChartSelectionFacts(data));
    AddOccupancySheet(workbook, data);
    AddSectionsSheet(workbook, data);
    AddStreetAndTimeSheet(workbook, data);
    AddDurationsSheet(workbook, data);
    AddMotiveSheets(workbook, data.motives, data.sectionLines);
    return workbook.Finish(error);
}

}  // namespace tavoric
