// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/notes_report.h"

namespace tavoric {

namespace {

void WriteNotes(ReportLineSink& lines, const Survey& survey) {
    if (survey.AantekeningenList.empty()) {
        lines.AddReportLine();
    }
    for (const std::string& line : survey.AantekeningenList) {
        lines.AddReportLine(line);
    }
}

}  // namespace

void WriteNotesReport(ReportDocument& report, const Survey& survey) {
    report.WriteReportHeader(survey.AlgemeneGegevens);
    WriteNotes(report, survey);
}

void WriteNotesReport(ReportLineSink& lines, const ReportSettings& settings, const Survey& survey) {
    WriteReportHeader(lines, settings, survey.AlgemeneGegevens);
    WriteNotes(lines, survey);
}

}  // namespace tavoric
