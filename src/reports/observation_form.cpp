// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/observation_form.h"

#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kFormWidth = 50;
constexpr int kFormHeadLines = 15;

void WriteFormHead(ReportLineSink& lines, const std::string& rule) {
    for (const char* labelKey : {"AA00074", "AA00075", "AA00012"}) {
        lines.AddReportLine(rule);
        lines.AddReportLine(MessageText(labelKey));
    }
    lines.AddReportLine(rule);
    lines.AddReportLine();
    lines.AddReportLine(MessageText("AA00076"));
    lines.AddReportLine(MessageText("AA00077"));
    lines.AddReportLine();
    lines.AddReportLine();
    lines.AddReportLine(rule);
    lines.AddReportLine(MessageText("AA00078"));
    lines.AddReportLine(rule);
}

// Everything after the report header.
void WriteFormBody(ReportLineSink& lines, const ReportSettings& settings, const Survey& survey,
                   const ObservationFormOptions& options, Progress& progress) {
    ProgressScope shown(progress);
    const LineBuffer& slots = survey.KentekensList;
    const std::string rule = RuleLine(settings, kFormWidth);
    const std::string dots = PadField("F", ".", " ", kFormWidth);
    WriteFormHead(lines, rule);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        lines.AddReportLine(PpeKey(slots[i]));
        if (i + 1 < slots.size()) {
            if (PlaceKey(slots[i + 1]) != PlaceKey(slots[i])) {
                lines.AddReportLine(rule);
            } else if (options.separatorBetweenSlots) {
                lines.AddReportLine(dots);
            }
        }
        progress.Set(i + 1, slots.size());
    }
    lines.AddReportLine(rule);
    lines.AddReportLine();
}

}  // namespace

void WriteObservationForm(ReportDocument& report, const Survey& survey,
                          const ObservationFormOptions& options, Progress& progress) {
    report.WriteReportHeader(survey.AlgemeneGegevens);
    report.ReserveLines(report.Lines().size() + kFormHeadLines + 2 * survey.KentekensList.size() +
                        2);
    WriteFormBody(report, report.Settings(), survey, options, progress);
}

void WriteObservationForm(ReportLineSink& lines, const ReportSettings& settings,
                          const Survey& survey, const ObservationFormOptions& options,
                          Progress& progress) {
    WriteReportHeader(lines, settings, survey.AlgemeneGegevens);
    WriteFormBody(lines, settings, survey, options, progress);
}

}  // namespace tavoric
