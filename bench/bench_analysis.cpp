// SPDX-License-Identifier: GPL-3.0-or-later
// The analyses on a survey of about a million slots: per parking place <= 1 s, per interval
// <= 1.5 s, the motive report at most 1.5 times the per-place analysis, and at most twice the
// survey's memory on top of it while a report is made. Heap use is counted by replacing the global
// allocation functions.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "analysis/analysis_selection.h"
#include "analysis/parking_duration_analysis.h"
#include "core/demo_survey.h"

namespace {

std::atomic<std::size_t> heapInUse{0};
std::atomic<std::size_t> heapPeak{0};

void* CountedAllocation(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t now = heapInUse += malloc_usable_size(block);
    std::size_t peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
    return block;
}

void CountedRelease(void* block) {
    if (block != nullptr) {
        heapInUse -= malloc_usable_size(block);
        std::free(block);
    }
}

}  // namespace

void* operator new(std::size_t size) {
    return CountedAllocation(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocation(size);
}
void operator delete(void* block) noexcept {
    CountedRelease(block);
}
void operator delete[](void* block) noexcept {
    CountedRelease(block);
}
void operator delete(void* block, std::size_t) noexcept {
    CountedRelease(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    CountedRelease(block);
}

namespace tavoric {
namespace {

struct LoadedSurvey {
    LoadedSurvey() {
        const std::size_t before = heapInUse;
        survey = MakeDemoSurvey({.places = 20000, .seed = 7});
        bytes = heapInUse - before;
    }
    Survey survey;
    std::size_t bytes = 0;
};

const LoadedSurvey& Large() {
    static const LoadedSurvey loaded;
    return loaded;
}

// Everything selected, or only the routes of one interval, as the interval report needs.
AnalysisParameters Parameters(ReportKind kind, bool oneInterval) {
    const Survey& survey = Large().survey;
    AnalysisSelection selection;
    selection.Open(survey);
    if (oneInterval) {
        std::vector<std::string> routes;
        for (const std::string& route : survey.RoutesList) {
            if (RouteInterval(survey.RoutesList, RouteKey(route)) == 15) {
                routes.emplace_back(RouteKey(route));
            }
        }
        selection.SelectOnly(survey, NarrowingLevel::Routes, routes);
    }
    return selection.Parameters(survey, kind);
}

void RunReport(benchmark::State& state, ReportKind kind, bool oneInterval) {
    const LoadedSurvey& loaded = Large();
    AnalysisParameters parameters = Parameters(kind, oneInterval);
    parameters.addDetailList = kind == ReportKind::PerInterval;
    std::size_t extraPeak = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse;
        heapPeak = before;
        ReportDocument report(1, ReportSettings{});
        Progress progress;
        RunParkingDurationAnalysis(loaded.survey, parameters, report, progress);
        benchmark::DoNotOptimize(report.Lines().data());
        extraPeak = std::max(extraPeak, heapPeak - before);
    }
    state.counters["slots"] = static_cast<double>(loaded.survey.KentekensList.size());
    state.counters["survey_MB"] = static_cast<double>(loaded.bytes) / 1e6;
    state.counters["peak_extra_MB"] = static_cast<double>(extraPeak) / 1e6;
}

void BM_PerPlace(benchmark::State& state) {
    RunReport(state, ReportKind::PerPlace, false);
}
void BM_PerIntervalWithDetailList(benchmark::State& state) {
    RunReport(state, ReportKind::PerInterval, true);
}
// Routes of 15, 30 and 60 minutes together: the places are aligned on one time axis.
void BM_PerIntervalMixedRoutes(benchmark::State& state) {
    RunReport(state, ReportKind::PerInterval, false);
}

// Everything selected, as the per-place analysis above.
void BM_Motive(benchmark::State& state) {
    RunReport(state, ReportKind::Motive, false);
}

BENCHMARK(BM_PerPlace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Motive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerIntervalWithDetailList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerIntervalMixedRoutes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
