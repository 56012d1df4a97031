// SPDX-License-Identifier: GPL-3.0-or-later
// The survey report for the council of a survey of about a million slots (20,000 places, as
// "tavoric-cli demo --places 20000 --seed 5" makes): the figures with the key figures, and the
// whole document as PDF and as ODT. Each reports its peak resident memory above what the process
// held before (the survey itself); the aim is at most 10 s and 500 MB for a document.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "analysis/analysis_selection.h"
#include "bench_memory.h"
#include "core/demo_survey.h"
#include "document/document_files.h"

namespace tavoric {
namespace {

const Survey& Town() {
    static const Survey survey = MakeDemoSurvey({.places = 20000, .seed = 5});
    return survey;
}

CouncilFigures Figures() {
    AnalysisSelection selection;
    selection.Open(Town());
    Progress progress;
    return *ComputeCouncilFigures(Town(), selection.Parameters(Town(), ReportKind::PerPlace),
                                  kDefaultPressureThreshold, progress);
}

CouncilReportContext Context() {
    AnalysisSelection selection;
    selection.Open(Town());
    return {Town().AlgemeneGegevens,
            Town().AantekeningenList,
            "Gemeente",
            "10-12-2026",
            selection.Parameters(Town(), ReportKind::PerPlace),
            false};
}

void BM_KeyFigures(benchmark::State& state) {
    Town();
    const double before = ResetPeak();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SummaryCsv(Summarise(Figures())));
    }
    state.counters["slots"] = static_cast<double>(Town().KentekensList.size());
    state.counters["peak_MB"] = StatusMegabytes("VmHWM") - before;
}
BENCHMARK(BM_KeyFigures)->Unit(benchmark::kSecond)->Iterations(1);

// From the survey in memory to the bytes of the file: figures, document and drawing.
template <typename Make>
void MeasureDocument(benchmark::State& state, Make make) {
    Town();
    const DocumentDrawing drawing;
    const double before = ResetPeak();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const CouncilFigures figures = Figures();
        const CouncilDocument document = BuildCouncilDocument(figures, Context());
        bytes = make(drawing, document, figures)->size();
    }
    state.counters["file_MB"] = static_cast<double>(bytes) / (1 << 20);
    state.counters["peak_MB"] = StatusMegabytes("VmHWM") - before;
}

void BM_WholeDocumentPdf(benchmark::State& state) {
    MeasureDocument(state, [](const DocumentDrawing& drawing, const CouncilDocument& document,
                              const CouncilFigures& figures) {
        return drawing.Pdf(document, figures, nullptr);
    });
}
BENCHMARK(BM_WholeDocumentPdf)->Unit(benchmark::kSecond)->Iterations(1);

void BM_WholeDocumentOdt(benchmark::State& state) {
    MeasureDocument(state, [](const DocumentDrawing& drawing, const CouncilDocument& document,
                              const CouncilFigures& figures) {
        return drawing.Odt(document, figures, nullptr);
    });
}
BENCHMARK(BM_WholeDocumentOdt)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace tavoric

BENCHMARK_MAIN();
