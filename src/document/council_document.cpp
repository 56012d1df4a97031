// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/council_document.h"

#include <ctime>

#include "analysis/motive_report.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "core/version.h"

namespace tavoric {

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// The parts of a message text separated by "|": the column heads of a table.
std::vector<std::string> Parts(const char* key) {
    std::vector<std::string> parts;
    std::string_view text = MessageText(key);
    while (true) {
        const std::size_t bar = text.find('|');
        parts.emplace_back(text.substr(0, bar));
        if (bar == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(bar + 1);
    }
}

std::string DurationClassText(const DurationClass& range) {
    return Number(range.from) + "-" + Number(range.to);
}

class DocumentBuilder {
public:
    explicit DocumentBuilder(CouncilDocument& document) : document_(document) {}

    void Add(BlockKind kind, std::string text = {}) {
        DocumentBlock block;
        block.kind = kind;
        block.text = std::move(text);
        document_.blocks.push_back(std::move(block));
    }
    // A line of the cover, left out when empty.
    void CoverLine(std::string_view text) {
        if (!TrimBlanks(text).empty()) {
            Add(BlockKind::CoverLine, std::string(TrimBlanks(text)));
        }
    }
    void Chart(ChartKind kind) {
        DocumentBlock block;
        block.kind = BlockKind::Chart;
        block.chart = kind;
        document_.blocks.push_back(std::move(block));
    }
    void ComparisonChart(ComparisonKind kind) {
        DocumentBlock block;
        block.kind = BlockKind::ComparisonChart;
        block.comparison = kind;
        document_.blocks.push_back(std::move(block));
    }
    void Table(DocumentTable table) {
        DocumentBlock block;
        block.kind = BlockKind::Table;
        block.table = std::move(table);
        document_.blocks.push_back(std::move(block));
    }
    // A chapter: its heading and the line that says how its figures are computed.
    void Chapter(const char* headingKey, std::string explanation) {
        Add(BlockKind::Heading, MessageText(headingKey));
        Add(BlockKind::Paragraph, std::move(explanation));
    }

private:
    CouncilDocument& document_;
};

DocumentTable TableWithHeads(const char* headsKey, std::vector<bool> numeric) {
    DocumentTable table;
    table.header = Parts(headsKey);
    table.numeric = std::move(numeric);
    table.header.resize(table.numeric.size());
    return table;
}

void AddCover(DocumentBuilder& out, const CouncilReportContext& context) {
    out.Add(BlockKind::Title, MessageText("AA00860"));
    out.Add(BlockKind::Subtitle, std::string(TrimBlanks(context.general.surveyArea)));
    out.CoverLine(context.general.dayAndDate);
    out.CoverLine(context.general.reportText1);
    out.CoverLine(context.general.reportText2);
    out.CoverLine(context.organisation);
    out.CoverLine(FormatText(MessageText("AA00861"), {context.madeOn}));
    out.CoverLine(FormatText(
        MessageText("AA00862"),
        {kProductName, std::string(kVersionMajorMinor) + "." + Number(kVersionRelease)}));
    out.Add(BlockKind::PageBreak);
}

DocumentTable KeyFiguresTable(const SurveySummary& summary) {
    DocumentTable table = TableWithHeads("AA00865", {false, true});
    const std::vector<std::string> labels = Parts("AA00864");
    const auto rows = SummaryRows(summary);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        table.rows.push_back({i < labels.size() ? labels[i] : rows[i].name, rows[i].value});
    }
    return table;
}

void AddSummary(DocumentBuilder& out, const SurveySummary& summary, bool hasMap) {
    out.Add(BlockKind::Heading, MessageText("AA00863"));
    out.Table(KeyFiguresTable(summary));
    const PlaceFigures& totals = summary.totals;
    if (summary.peak) {
        out.Add(BlockKind::Paragraph,
                FormatText(MessageText("AA00866"),
                           {Number(summary.peak->occupancy), summary.peak->time,
                            Number(summary.sectionsAboveNorm), Number(summary.sections),
                            Number(summary.threshold)}));
    } else {
        out.Add(BlockKind::Paragraph, MessageText("AA00869"));
    }
    out.Add(BlockKind::Paragraph,
            FormatText(MessageText("AA00867"),
                       {Number(totals.vehicles), Number(totals.capacityPpl),
                        Number(totals.meanDuration), Number(totals.meanOccupancy)}));
    out.Add(BlockKind::Paragraph,
            FormatText(MessageText("AA00868"),
                       {Number(summary.motivePercent[0]), Number(summary.motivePercent[1]),
                        Number(summary.motivePercent[2])}));
    if (!hasMap) {
        out.Add(BlockKind::Paragraph, MessageText("AA00870"));
    }
}

DocumentTable SectionsTable(const ChartData& charts) {
    DocumentTable table =
        TableWithHeads("AA00879", {false, false, false, true, true, true, true, true});
    for (const SectionPressure& section : charts.sections) {
        table.rows.push_back({section.route, section.section, section.description,
                              Number(section.places), Number(section.capacity),
                              Number(section.occupied), Number(section.occupancy),
                              Number(section.peak)});
    }
    return table;
}

DocumentTable DurationsTable(const ChartData& charts) {
    DocumentTable table = TableWithHeads("AA00882", {false, true, true});
    for (const DurationShare& share : charts.durations) {
        table.rows.push_back(
            {DurationClassText(share.range), Number(share.vehicles), Number(share.percent)});
    }
    return table;
}

DocumentTable MotiveTable(const MotiveFigures& motives) {
    DocumentTable table = TableWithHeads("AA00885", {false, true, true});
    const char* names[] = {"AA00655", "AA00656", "AA00657"};
    const std::int64_t all = TotalVehicles(motives.vehicles);
    for (std::size_t m = 0; m < kMotiveCount; ++m) {
        table.rows.push_back({MessageText(names[m]), Number(motives.vehicles[m]),
                              Number(MotivePercent(motives.vehicles[m], all))});
    }
    table.rows.push_back({MessageText("AA00658"), Number(all), Number(all > 0 ? 100 : 0)});
    return table;
}

void AddFigureChapters(DocumentBuilder& out, const ChartData& charts, bool hasMap) {
    if (hasMap) {
        out.Chapter("AA00871", FormatText(MessageText("AA00872"), {Number(charts.threshold)}));
        out.Add(BlockKind::Map);
    }
    out.Chapter("AA00873", MessageText("AA00874"));
    out.Chart(ChartKind::Occupancy);
    out.Chapter("AA00875", MessageText("AA00876"));
    out.Chart(ChartKind::Matrix);
    out.Chapter("AA00877", FormatText(MessageText("AA00878"), {Number(charts.threshold)}));
    out.Chart(ChartKind::Sections);
    out.Table(SectionsTable(charts));
    out.Chapter("AA00880", MessageText("AA00881"));
    out.Chart(ChartKind::Durations);
    out.Table(DurationsTable(charts));
    out.Chapter("AA00883", MessageText("AA00884"));
    out.Chart(ChartKind::Motive);
    out.Chart(ChartKind::MotiveSections);
    out.Table(MotiveTable(charts.motives));
}

// A figure of the comparison as the table shows it: a dash where a side lacks it, differences
// with their sign.
std::string ComparisonCell(const ComparisonField& field) {
    if (field.kind == ComparisonField::Kind::Text) {
        return field.text;
    }
    if (!field.number) {
        return "-";
    }
    return (field.kind == ComparisonField::Kind::Difference && *field.number > 0 ? "+" : "") +
           Number(*field.number);
}

DocumentTable SectionsComparisonTable(const SurveyComparison& comparison) {
    DocumentTable table = TableWithHeads(
        "AA00948", {false, false, false, true, true, true, true, true, true, true, true});
    table.wide = true;
    for (const ComparisonRow& row : ComparisonTable(ComparisonKind::Sections, comparison)) {
        std::vector<std::string> cells;
        for (const ComparisonField& field : row) {
            cells.push_back(ComparisonCell(field));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

void AddComparisonChapter(DocumentBuilder& out, const CouncilComparison& comparison) {
    out.Chapter("AA00946", FormatText(MessageText("AA00947"),
                                      {comparison.figures.a.dayAndDate, comparison.nameOfB,
                                       comparison.figures.b.dayAndDate}));
    out.Table(SectionsComparisonTable(comparison.figures));
    out.ComparisonChart(ComparisonKind::Occupancy);
    out.ComparisonChart(ComparisonKind::Durations);
}

void AddMethod(DocumentBuilder& out, const CouncilReportContext& context, int threshold) {
    const AnalysisParameters& parameters = context.parameters;
    out.Add(BlockKind::Heading, MessageText("AA00886"));
    out.Add(BlockKind::Paragraph,
            FormatText(MessageText("AA00893"),
                       {parameters.windowStart, parameters.windowEnd,
                        Number(static_cast<std::int64_t>(parameters.selectedPlaces.size()))}));
    out.Add(BlockKind::Paragraph, MessageText("AA00887"));
    out.Add(BlockKind::Paragraph,
            FormatText(MessageText("AA00891"),
                       {parameters.countIllegalInPpe ? "" : MessageText("AA00892")}));
    out.Add(BlockKind::Paragraph, FormatText(MessageText("AA00888"), {Number(threshold)}));
    std::string classes;
    for (const DurationClass& range : parameters.classes) {
        classes += (classes.empty() ? "" : ", ") + DurationClassText(range);
    }
    out.Add(BlockKind::Paragraph, FormatText(MessageText("AA00889"), {classes}));
    const MotiveBounds& bounds = parameters.motiveBounds;
    out.Add(BlockKind::Paragraph,
            MessageText("AA00890") + " " +
                FormatText(MessageText("AA00651"), {bounds.morning, bounds.evening}) + "; " +
                FormatText(MessageText("AA00652"), {Number(bounds.commuterMinutes)}) + "; " +
                MessageText("AA00653") + ".");
}

DocumentTable PerPlaceTableOf(const PerPlaceTable& perPlace, const AnalysisParameters& parameters) {
    const std::vector<std::string> heads = Parts("AA00896");
    DocumentTable table;
    table.wide = true;
    const auto head = [&heads](std::size_t i) { return i < heads.size() ? heads[i] : ""; };
    table.header = {head(0), head(1), head(2), head(3), head(4), head(5)};
    for (const DurationClass& range : parameters.classes) {
        table.header.push_back(DurationClassText(range));
        table.header.push_back("%");
    }
    for (std::size_t i = 6; i < 12; ++i) {
        table.header.push_back(head(i));
    }
    table.numeric.assign(table.header.size(), true);
    std::fill_n(table.numeric.begin(), 4, false);
    const auto figures = [](std::vector<std::string> row, const PlaceFigures& place) {
        row.push_back(Number(place.capacityPpl));
        row.push_back(Number(place.capacityPpe));
        for (std::size_t k = 0; k < place.classCount.size(); ++k) {
            row.push_back(Number(place.classCount[k]));
            row.push_back(Number(place.classPercent[k]));
        }
        for (std::int64_t value :
             {std::int64_t{place.vehicles}, std::int64_t{place.occupiedSlots},
              std::int64_t{place.wronglyParked}, place.meanOccupancy, place.meanDuration}) {
            row.push_back(Number(value));
        }
        row.push_back(place.turnover);
        return row;
    };
    table.rows.reserve(perPlace.places.size() + 1);
    for (const PerPlaceTableRow& place : perPlace.places) {
        table.rows.push_back(
            figures({place.route, place.section, place.place, place.type}, place.figures));
    }
    table.rows.push_back(figures({MessageText("AA00658"), "", "", ""}, perPlace.totals));
    return table;
}

void AddAppendices(DocumentBuilder& out, const CouncilFigures& figures,
                   const CouncilReportContext& context) {
    out.Add(BlockKind::PageBreak);
    out.Add(BlockKind::Heading, MessageText("AA00894"));
    out.Add(BlockKind::Heading, MessageText("AA00895"));
    out.Table(PerPlaceTableOf(figures.perPlace, context.parameters));
    out.Add(BlockKind::Heading, MessageText("AA00897"));
    if (context.notes.empty()) {
        out.Add(BlockKind::Paragraph, MessageText("AA00898"));
    }
    for (const std::string& line : context.notes) {
        out.Add(BlockKind::Paragraph, line);
    }
}

}  // namespace

CouncilDocument BuildCouncilDocument(const CouncilFigures& figures,
                                     const CouncilReportContext& context) {
    CouncilDocument document;
    const std::string area(TrimBlanks(context.general.surveyArea));
    document.title = MessageText("AA00860") + (area.empty() ? "" : " " + area);
    document.pageHeader = area;
    DocumentBuilder out(document);
    AddCover(out, context);
    AddSummary(out, Summarise(figures), context.hasMap);
    AddFigureChapters(out, figures.charts, context.hasMap);
    if (figures.comparison) {
        AddComparisonChapter(out, *figures.comparison);
    }
    AddMethod(out, context, figures.charts.threshold);
    AddAppendices(out, figures, context);
    return document;
}

CouncilReportContext ContextOfToday(const Survey& survey, const std::string& organisation,
                                    const AnalysisParameters& parameters, bool hasMap) {
    return {survey.AlgemeneGegevens,
            survey.AantekeningenList,
            organisation,
            TodayText(),
            parameters,
            hasMap};
}

std::string PageFooter(int page, int pages) {
    return FormatText(MessageText("AA00004"), {Number(page), Number(pages)});
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d-%m-%Y", &local);
    return text;
}

}  // namespace tavoric
