// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/input_data_report.h"

#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kRoutesWidth = 43;
constexpr int kSectionsWidth = 43;
constexpr int kPlacesWidth = 19;
constexpr int kPlatesWidth = 35;

void WriteGeneralData(ReportLineSink& report, const GeneralValues& general) {
    if (!general.dayAndDate.empty()) {
        report.AddReportLine(general.dayAndDate);
    }
    if (!general.weather.empty()) {
        report.AddReportLine(MessageText("AA00012") + " " + general.weather);
    }
    if (!general.observers.empty()) {
        report.AddReportLine(MessageText("AA00013") + " " + general.observers);
    }
    report.AddReportLine(FormatText(MessageText("AA00014"), {general.startTime, general.endTime}));
    report.AddReportLine();
}

// Heading, rule, column heading, rule, the lines, closing rule. Only a block that is given a
// progress moves it.
template <typename Lines>
void WriteListBlock(ReportLineSink& report, const ReportSettings& settings,
                    std::string_view headingKey, std::string_view columnsKey, int width,
                    const Lines& lines, Progress* progress) {
    const std::string rule = RuleLine(settings, width);
    report.AddReportLine(MessageText(headingKey));
    report.AddReportLine(rule);
    report.AddReportLine(MessageText(columnsKey));
    report.AddReportLine(rule);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        report.AddReportLine(lines[i]);
        if (progress) {
            progress->Set(i + 1, lines.size());
        }
    }
    report.AddReportLine(rule);
}

void WriteTypeLegend(ReportLineSink& report, const PlaceTypeCaptions& captions) {
    report.AddReportLine(MessageText("AA00021"));
    for (int i = 0; i < kPlaceTypeCount; ++i) {
        report.AddReportLine(std::string(1, kPlaceTypeCodes[static_cast<std::size_t>(i)]) + " " +
                             captions[static_cast<std::size_t>(i)]);
    }
}

// Lines after the header: the general data and each block with its frame of six lines.
std::size_t BodyLineCount(const Survey& survey, const InputReportOptions& options) {
    constexpr std::size_t kBlockFrame = 6;
    std::size_t count = 5;
    count += options.routes ? survey.RoutesList.size() + kBlockFrame : 0;
    count += options.sections ? survey.SectiesList.size() + kBlockFrame : 0;
    count +=
        options.places ? survey.ParkeerplaatsenList.size() + kBlockFrame + 1 + kPlaceTypeCount : 0;
    count += options.plates ? survey.KentekensList.size() + kBlockFrame : 0;
    return count;
}

// Everything after the report header.
void WriteReportBody(ReportLineSink& report, const ReportSettings& settings, const Survey& survey,
                     const InputReportOptions& options, Progress& progress) {
    ProgressScope shown(progress);
    WriteGeneralData(report, survey.AlgemeneGegevens);
    if (options.routes) {
        WriteListBlock(report, settings, "AA00015", "AA00016", kRoutesWidth, survey.RoutesList,
                       nullptr);
        report.AddReportLine();
    }
    if (options.sections) {
        WriteListBlock(report, settings, "AA00017", "AA00018", kSectionsWidth, survey.SectiesList,
                       nullptr);
        report.AddReportLine();
    }
    if (options.places) {
        WriteListBlock(report, settings, "AA00019", "AA00020", kPlacesWidth,
                       survey.ParkeerplaatsenList, nullptr);
        WriteTypeLegend(report, options.typeCaptions);
        report.AddReportLine();
    }
    if (options.plates) {
        WriteListBlock(report, settings, "AA00022", "AA00023", kPlatesWidth, survey.KentekensList,
                       &progress);
        report.AddReportLine();
    }
}

}  // namespace

void WriteInputDataReport(ReportDocument& report, const Survey& survey,
                          const InputReportOptions& options, Progress& progress) {
    report.WriteReportHeader(survey.AlgemeneGegevens);
    report.ReserveLines(report.Lines().size() + BodyLineCount(survey, options));
    WriteReportBody(report, report.Settings(), survey, options, progress);
}

void WriteInputDataReport(ReportLineSink& lines, const ReportSettings& settings,
                          const Survey& survey, const InputReportOptions& options,
                          Progress& progress) {
    WriteReportHeader(lines, settings, survey.AlgemeneGegevens);
    WriteReportBody(lines, settings, survey, options, progress);
}

}  // namespace tavoric
