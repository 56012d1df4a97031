// SPDX-License-Identifier: GPL-3.0-or-later
// Reports and exports on a survey of about a million slots:
// input data report with all plates <= 1 s, observation form <= 1 s, text and CSV export
// <= 0.5 s each; the form written to its file as it is made (tavoric-cli form --txt).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "analysis/analysis_selection.h"
#include "analysis/parking_duration_analysis.h"
#include "core/demo_survey.h"
#include "core/scripted_prompter.h"
#include "core/text.h"
#include "reports/export.h"
#include "reports/input_data_report.h"
#include "reports/observation_form.h"

namespace tavoric {
namespace {

const Survey& LargeSurvey() {
    static const Survey survey = MakeDemoSurvey({.places = 20000, .seed = 7});
    return survey;
}

InputReportOptions EveryBlock() {
    InputReportOptions options;
    options.places = true;
    options.plates = true;
    return options;
}

// A table of short figures like those of the analyses.
ReportDocument ReportWithTable(int columns, int rows) {
    ReportDocument report(1, {});
    report.Table().SetSize(columns, rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            report.Table().SetCell(column, row,
                                   column < 3 ? PadField("R", std::to_string(row % 9999), "0", 4)
                                              : std::to_string((row * 31 + column * 7) % 1000));
        }
    }
    report.SetHasTableData(true);
    return report;
}

void BM_InputDataReportWithAllPlates(benchmark::State& state) {
    const Survey& survey = LargeSurvey();
    Progress quiet;
    for (auto _ : state) {
        ReportDocument report(1, {});
        WriteInputDataReport(report, survey, EveryBlock(), quiet);
        benchmark::DoNotOptimize(report.Lines().data());
        state.counters["lines"] = static_cast<double>(report.Lines().size());
    }
}
BENCHMARK(BM_InputDataReportWithAllPlates)->Unit(benchmark::kMillisecond);

void BM_ObservationForm(benchmark::State& state) {
    const Survey& survey = LargeSurvey();
    Progress quiet;
    for (auto _ : state) {
        ReportDocument report(1, {});
        WriteObservationForm(report, survey, {}, quiet);
        benchmark::DoNotOptimize(report.Lines().data());
        state.counters["lines"] = static_cast<double>(report.Lines().size());
    }
}
BENCHMARK(BM_ObservationForm)->Unit(benchmark::kMillisecond);

std::string BenchFile(std::string_view extension) {
    return (std::filesystem::temp_directory_path() /
            ("tavoric-bench-" + std::to_string(::getpid()) + std::string(extension)))
        .string();
}

// Writes the file again and again; its size is a counter.
template <typename WriteFile>
void MeasureFileWrites(benchmark::State& state, const std::string& path, WriteFile write) {
    for (auto _ : state) {
        if (!write()) {
            state.SkipWithError("writing failed");
        }
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove(path);
}

// Exports the report again and again to one temporary file.
void MeasureExport(benchmark::State& state, const ReportDocument& report, ExportFormat format) {
    ScriptedPrompter prompter;
    const std::string path = BenchFile(ExportExtension(format));
    MeasureFileWrites(state, path, [&] { return ExportReport(report, format, path, prompter); });
}

void BM_TextExportOfTheObservationForm(benchmark::State& state) {
    ReportDocument report(1, {});
    Progress quiet;
    WriteObservationForm(report, LargeSurvey(), {}, quiet);
    MeasureExport(state, report, ExportFormat::Text);
}
BENCHMARK(BM_TextExportOfTheObservationForm)->Unit(benchmark::kMillisecond);

// The form made while it is written to its text file, as tavoric-cli form --txt writes it.
void BM_ObservationFormWrittenAsItIsMade(benchmark::State& state) {
    const Survey& survey = LargeSurvey();
    const std::string path = BenchFile(".txt");
    ScriptedPrompter prompter;
    Progress quiet;
    MeasureFileWrites(state, path, [&] {
        return WriteExportFile(
            path,
            [&](const ByteWriter& write) {
                ReportLineWriter lines(write);
                WriteObservationForm(lines, {}, survey, {}, quiet);
                return lines.Finish();
            },
            prompter);
    });
}
BENCHMARK(BM_ObservationFormWrittenAsItIsMade)->Unit(benchmark::kMillisecond);

// The table of the analysis per parking place over the whole large survey.
void BM_CsvExportOfThePerPlaceAnalysis(benchmark::State& state) {
    const Survey& survey = LargeSurvey();
    AnalysisSelection selection;
    selection.Open(survey);
    ReportDocument report(1, {});
    Progress quiet;
    RunParkingDurationAnalysis(survey, selection.Parameters(survey, ReportKind::PerPlace), report,
                               quiet);
    state.counters["rows"] = report.Table().RowCount();
    MeasureExport(state, report, ExportFormat::Csv);
}
BENCHMARK(BM_CsvExportOfThePerPlaceAnalysis)->Unit(benchmark::kMillisecond);

// Columns and rows of the table: the per-place table of 20,000 places, and an interval table of
// 50 periods with 100,000 presence patterns.
void BM_CsvExport(benchmark::State& state) {
    const ReportDocument report =
        ReportWithTable(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    MeasureExport(state, report, ExportFormat::Csv);
}
BENCHMARK(BM_CsvExport)->Args({24, 20010})->Args({54, 100000})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
