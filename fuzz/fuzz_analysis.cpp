// SPDX-License-Identifier: GPL-3.0-or-later
// Both analyses on any project file, with the selection of the dialog's first opening and the
// options taken from the first byte: no crash, no overflow, and a report table the export can
// write (every row as wide as the table).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "analysis/analysis_selection.h"
#include "analysis/parking_duration_analysis.h"
#include "core/progress.h"
#include "core/project_file.h"
#include "reports/report_document.h"

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "analysis rule broken: %s\n", what);
        std::abort();
    }
}

void Analyse(const tavoric::Survey& survey, tavoric::ReportKind kind, std::uint8_t options) {
    tavoric::AnalysisSelection selection;
    selection.Open(survey);
    if (!selection.ReportAllowed(survey, kind)) {
        return;
    }
    tavoric::AnalysisParameters parameters = selection.Parameters(survey, kind);
    parameters.addDetailList = (options & 1) != 0;
    parameters.sortByVehicles = (options & 2) != 0;
    parameters.countIllegalInPpl = (options & 4) != 0;
    parameters.countIllegalInPpe = (options & 8) != 0;
    tavoric::ReportDocument report(1, {});
    tavoric::Progress progress;
    tavoric::RunParkingDurationAnalysis(survey, parameters, report, progress);
    const tavoric::ReportTable& table = report.Table();
    for (int row = 0; row < table.RowCount(); ++row) {
        Require(static_cast<int>(table.Row(row).size()) == table.ColumnCount(),
                "every table row has every column");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    tavoric::Survey survey;
    tavoric::ReadProjectContent(survey, {reinterpret_cast<const char*>(data) + 1, size - 1});
    Analyse(survey, tavoric::ReportKind::PerPlace, data[0]);
    Analyse(survey, tavoric::ReportKind::PerInterval, data[0]);
    return 0;
}
