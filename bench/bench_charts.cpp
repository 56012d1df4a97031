// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of all three charts on a survey of about a million slots, beside the analysis per
// parking place on the same survey and selection: the charts may take at most 1.5 times as long.
#include <benchmark/benchmark.h>

#include "analysis/analysis_selection.h"
#include "analysis/parking_duration_analysis.h"
#include "charts/chart_data.h"
#include "core/demo_survey.h"

namespace tavoric {
namespace {

const Survey& Large() {
    static const Survey survey = MakeDemoSurvey({.places = 20000, .seed = 7});
    return survey;
}

AnalysisParameters Everything() {
    AnalysisSelection selection;
    selection.Open(Large());
    return selection.Parameters(Large(), ReportKind::PerPlace);
}

void BM_PerPlaceAnalysis(benchmark::State& state) {
    const AnalysisParameters parameters = Everything();
    for (auto _ : state) {
        ReportDocument report(1, ReportSettings{});
        Progress progress;
        RunParkingDurationAnalysis(Large(), parameters, report, progress);
        benchmark::DoNotOptimize(report.Lines().data());
    }
    state.counters["slots"] = static_cast<double>(Large().KentekensList.size());
}

void BM_AllChartData(benchmark::State& state) {
    const AnalysisParameters parameters = Everything();
    for (auto _ : state) {
        Progress progress;
        const auto data =
            ComputeChartData(Large(), parameters, kDefaultPressureThreshold, progress);
        benchmark::DoNotOptimize(data->sections.data());
    }
    state.counters["slots"] = static_cast<double>(Large().KentekensList.size());
}

BENCHMARK(BM_PerPlaceAnalysis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllChartData)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
