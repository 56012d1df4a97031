// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/motive_report.h"

#include <algorithm>

#include "analysis/number_format.h"
#include "core/codec.h"
#include "core/csv.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kLabelWidth = 12;
constexpr int kCountWidth = 11;
constexpr std::string_view kCsvLineEnd = "\r\n";

// Column headings of the three motives, in the order of Motive.
constexpr const char* kMotiveHeadings[] = {"AA00655", "AA00656", "AA00657"};
// The motives in the data files, which are read by programs and not translated.
constexpr const char* kMotiveNames[] = {"bewoner", "werknemer", "bezoeker"};
constexpr const char* kPeriodCsvHeadings[] = {"tijdstip", "bewoners", "werknemers", "bezoekers"};
constexpr const char* kSectionsCsvHeadings[] = {"route",    "sectie",     "omschrijving",
                                                "bewoners", "werknemers", "bezoekers"};
constexpr const char* kTotalsCsvHeadings[] = {"motief", "voertuigen", "procent"};

std::string Count(std::int64_t value) {
    return PadField("R", std::to_string(value), " ", kCountWidth);
}

std::string Heading(const char* key) {
    return PadField("R", MessageText(key), " ", kCountWidth);
}

// A label, the vehicles of each motive and their total.
std::string CountsLine(std::string_view label, const MotiveCounts& vehicles) {
    std::string line = PadField("L", label, " ", kLabelWidth);
    for (std::int64_t count : vehicles) {
        line += Count(count);
    }
    return line + Count(TotalVehicles(vehicles));
}

std::string CountsHeading(std::string_view label) {
    std::string line = PadField("L", label, " ", kLabelWidth);
    for (const char* key : kMotiveHeadings) {
        line += Heading(key);
    }
    return line + Heading("AA00658");
}

void WriteBounds(ReportDocument& report, const MotiveBounds& bounds) {
    report.AddReportLine(FormatText(MessageText("AA00651"), {bounds.morning, bounds.evening}));
    report.AddReportLine(
        FormatText(MessageText("AA00652"), {std::to_string(bounds.commuterMinutes)}));
    report.AddReportLine(MessageText("AA00653"));
    report.AddReportLine(MessageText("AA00654"));
    report.AddReportLine();
}

void WriteTotals(ReportDocument& report, const MotiveFigures& figures) {
    const std::int64_t all = TotalVehicles(figures.vehicles);
    const std::string rule = report.RuleLine(kLabelWidth + 2 * kCountWidth);
    report.AddReportLine(PadField("L", MessageText("AA00659"), " ", kLabelWidth) +
                         Heading("AA00660") + PadField("R", "%", " ", kCountWidth));
    report.AddReportLine(rule);
    for (std::size_t m = 0; m < kMotiveCount; ++m) {
        report.AddReportLine(PadField("L", MessageText(kMotiveHeadings[m]), " ", kLabelWidth) +
                             Count(figures.vehicles[m]) +
                             Count(MotivePercent(figures.vehicles[m], all)));
    }
    report.AddReportLine(rule);
    report.AddReportLine(PadField("L", MessageText("AA00658"), " ", kLabelWidth) + Count(all) +
                         Count(MotivePercent(all, all)));
    report.AddReportLine();
}

void WriteSections(ReportDocument& report, const MotiveFigures& figures,
                   const LineList& sectionLines) {
    const std::string rule = report.RuleLine(kLabelWidth + 4 * kCountWidth);
    report.AddReportLine(MessageText("AA00661"));
    report.AddReportLine(rule);
    report.AddReportLine(CountsHeading(PadField("L", MessageText("AA00662"), " ", 6) +
                                       PadField("L", MessageText("AA00663"), " ", 6)) +
                         "  " + MessageText("AA00664"));
    report.AddReportLine(rule);
    for (const MotiveRow& section : figures.sections) {
        const std::string label =
            std::string(Chars(section.key, 1, 4)) + "  " + std::string(Chars(section.key, 6, 9));
        const std::string_view description = SectionDescriptionOf(sectionLines, section.key);
        report.AddReportLine(CountsLine(label, section.vehicles) +
                             (description.empty() ? "" : "  " + std::string(description)));
    }
    report.AddReportLine(rule);
    report.AddReportLine();
}

void WritePeriods(ReportDocument& report, const MotiveFigures& figures) {
    const std::string rule = report.RuleLine(kLabelWidth + 4 * kCountWidth);
    report.AddReportLine(MessageText("AA00665"));
    report.AddReportLine(rule);
    report.AddReportLine(CountsHeading(MessageText("AA00666")));
    report.AddReportLine(rule);
    for (const MotiveRow& period : figures.clockTimes) {
        report.AddReportLine(CountsLine(period.key, period.vehicles));
    }
    report.AddReportLine(rule);
    report.AddReportLine();
}

// The periods as the CSV export writes them: a heading row and a row per period.
void FillTable(ReportDocument& report, const MotiveFigures& figures) {
    ReportTable& table = report.Table();
    table.SetSize(static_cast<int>(std::size(kPeriodCsvHeadings)),
                  static_cast<int>(figures.clockTimes.size()) + 1);
    report.SetHasTableData(true);
    int column = 0;
    for (const char* heading : kPeriodCsvHeadings) {
        table.SetCell(column++, 0, heading);
    }
    int row = 1;
    for (const MotiveRow& period : figures.clockTimes) {
        table.SetCell(0, row, period.key);
        for (std::size_t m = 0; m < kMotiveCount; ++m) {
            table.SetCell(static_cast<int>(m) + 1, row, std::to_string(period.vehicles[m]));
        }
        ++row;
    }
}

// A field in double quotes only when it holds a comma, a quote or a line break; quotes doubled.
std::string CsvField(std::string_view cp1252) {
    const std::string text = Cp1252ToUtf8(cp1252);
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

void AddCsvLine(std::string& content, const std::vector<std::string>& fields) {
    const char* separator = "";
    for (const std::string& field : fields) {
        content += separator;
        content += field;
        separator = ",";
    }
    content += kCsvLineEnd;
}

}  // namespace

std::string_view SectionDescriptionOf(const LineList& sectionLines, std::string_view key) {
    const auto line = std::find_if(sectionLines.begin(), sectionLines.end(),
                                   [key](const std::string& l) { return SectionKey(l) == key; });
    return line == sectionLines.end() ? std::string_view{}
                                      : TrimTrailingBlanks(SectionDescription(*line));
}

std::string_view MotiveName(std::size_t motive) {
    return kMotiveNames[motive];
}

std::vector<std::string> MotivePeriodColumns() {
    return {std::begin(kPeriodCsvHeadings), std::end(kPeriodCsvHeadings)};
}

std::vector<std::string> MotiveSectionsColumns() {
    return {std::begin(kSectionsCsvHeadings), std::end(kSectionsCsvHeadings)};
}

std::vector<std::string> MotiveTotalsColumns() {
    return {std::begin(kTotalsCsvHeadings), std::end(kTotalsCsvHeadings)};
}

std::int64_t MotivePercent(std::int64_t vehicles, std::int64_t allVehicles) {
    return allVehicles > 0 ? RoundHalfEven(100.0 * static_cast<double>(vehicles) /
                                           static_cast<double>(allVehicles))
                           : 0;
}

void WriteMotiveSection(ReportDocument& report, const MotiveFigures& figures,
                        const MotiveBounds& bounds, const LineList& sectionLines) {
    report.AddReportLine(MessageText("AA00650"));
    report.AddReportLine();
    WriteBounds(report, bounds);
    FillTable(report, figures);
    if (TotalVehicles(figures.vehicles) == 0) {
        report.AddReportLine(MessageText("AA00073"));
        return;
    }
    WriteTotals(report, figures);
    WriteSections(report, figures, sectionLines);
    WritePeriods(report, figures);
}

std::string MotivePeriodCsv(const MotiveFigures& figures) {
    std::string content;
    AddCsvLine(content, MotivePeriodColumns());
    for (const MotiveRow& period : figures.clockTimes) {
        AddCsvLine(content,
                   {CsvField(SpreadsheetText(period.key)), std::to_string(period.vehicles[0]),
                    std::to_string(period.vehicles[1]), std::to_string(period.vehicles[2])});
    }
    return content;
}

std::string MotiveSectionsCsv(const MotiveFigures& figures, const LineList& sectionLines) {
    std::string content;
    AddCsvLine(content, MotiveSectionsColumns());
    for (const MotiveRow& section : figures.sections) {
        AddCsvLine(content,
                   {CsvField(SpreadsheetText(Chars(section.key, 1, 4))),
                    CsvField(SpreadsheetText(Chars(section.key, 6, 9))),
                    CsvField(SpreadsheetText(SectionDescriptionOf(sectionLines, section.key))),
                    std::to_string(section.vehicles[0]), std::to_string(section.vehicles[1]),
                    std::to_string(section.vehicles[2])});
    }
    return content;
}

std::string MotiveTotalsCsv(const MotiveFigures& figures) {
    const std::int64_t all = TotalVehicles(figures.vehicles);
    std::string content;
    AddCsvLine(content, MotiveTotalsColumns());
    for (std::size_t m = 0; m < kMotiveCount; ++m) {
        AddCsvLine(content, {kMotiveNames[m], std::to_string(figures.vehicles[m]),
                             std::to_string(MotivePercent(figures.vehicles[m], all))});
    }
    return content;
}

}  // namespace tavoric
