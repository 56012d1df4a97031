// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a report of a million-slot survey: the job and its page count (what the print
// command and the preview do before the first page shows), one preview page, PDF pages, and
// the PDF of the per-place analysis as the export writes it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QPainter>

#include "analysis/analysis_selection.h"
#include "analysis/parking_duration_analysis.h"
#include "core/demo_survey.h"
#include "reports/input_data_report.h"
#include "reports/print_layout.h"
#include "reports/ui/print_job.h"

namespace tavoric {
namespace {

const QSizeF kA4{210, 297};
constexpr int kPrinterResolution = 600;

const Survey& LargeSurvey() {
    static const Survey survey = MakeDemoSurvey({.places = 20000, .seed = 7});
    return survey;
}

// The input data report with every plate: about a million lines.
const ReportDocument& LargeReport() {
    static const ReportDocument report = [] {
        const Survey& survey = LargeSurvey();
        ReportDocument document(1, {});
        InputReportOptions options;
        options.places = true;
        options.plates = true;
        Progress quiet;
        WriteInputDataReport(document, survey, options, quiet);
        return document;
    }();
    return report;
}

void BM_PrintJobAndPageCountOfAMillionLines(benchmark::State& state) {
    const ReportDocument& report = LargeReport();
    for (auto _ : state) {
        const PrintJob job = MakePrintJob(report, 8);
        const PrintJobPages pages(job, kA4, kPrinterResolution);
        benchmark::DoNotOptimize(pages.PageCount());
        state.counters["pages"] = pages.PageCount();
    }
    state.counters["lines"] = static_cast<double>(report.Lines().size());
}
BENCHMARK(BM_PrintJobAndPageCountOfAMillionLines)->Unit(benchmark::kMillisecond);

// Lines of 140 characters, each broken into two printed lines.
void BM_PaginationOfAMillionWideLines(benchmark::State& state) {
    const std::vector<std::string> lines(1'000'000,
                                         std::string(60, '1') + " " + std::string(79, '2'));
    for (auto _ : state) {
        const PrintPagination pages(lines, 106, 77);
        benchmark::DoNotOptimize(pages.PageCount());
        state.counters["pages"] = pages.PageCount();
    }
}
BENCHMARK(BM_PaginationOfAMillionWideLines)->Unit(benchmark::kMillisecond);

// The last page of the large report drawn at about the preview's whole-page size.
void BM_PreviewOfTheLastPage(benchmark::State& state) {
    const PrintJob job = MakePrintJob(LargeReport(), 8);
    const PrintJobPages pages(job, kA4, kPrinterResolution);
    QImage image(600, 850, QImage::Format_RGB32);
    const double scale = image.width() / pages.PaperSize().width();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        pages.DrawPage(painter, pages.PageCount() - 1);
    }
}
BENCHMARK(BM_PreviewOfTheLastPage)->Unit(benchmark::kMillisecond);

// A PDF of the first pages of the large report, kept in memory as the export does.
void BM_PdfPages(benchmark::State& state) {
    PrintJob job = MakePrintJob(LargeReport(), 8);
    job.lines.resize(static_cast<std::size_t>(state.range(0)));
    Progress quiet;
    std::size_t bytes = 0;
    int pageCount = 0;
    for (auto _ : state) {
        const std::optional<QByteArray> pdf = PdfOfJob(job, quiet);
        bytes = pdf ? static_cast<std::size_t>(pdf->size()) : 0;
        pageCount = PrintJobPages(job, kA4, 1200).PageCount();
    }
    state.counters["pages"] = pageCount;
    state.counters["KB/page"] = static_cast<double>(bytes) / 1024.0 / pageCount;
}
BENCHMARK(BM_PdfPages)->Arg(15'000)->Unit(benchmark::kMillisecond);

// The per-place analysis of the 20,000 places, everything selected, exported as PDF with the
// default page choices (landscape, fitted): one table row per printed line.
void BM_PdfOfThePerPlaceReport(benchmark::State& state) {
    const Survey& survey = LargeSurvey();
    AnalysisSelection selection;
    selection.Open(survey);
    ReportDocument report(1, {});
    Progress quiet;
    RunParkingDurationAnalysis(survey, selection.Parameters(survey, ReportKind::PerPlace), report,
                               quiet);
    const PrintJob job = MakePrintJob(report, 8);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::optional<QByteArray> pdf = PdfOfJob(job, quiet);
        bytes = pdf ? static_cast<std::size_t>(pdf->size()) : 0;
    }
    const PrintJobPages pages(job, kA4, 1200);
    state.counters["pages"] = pages.PageCount();
    state.counters["landscape"] = pages.Setup().landscape ? 1 : 0;
    state.counters["KB/page"] = static_cast<double>(bytes) / 1024.0 / pages.PageCount();
}
BENCHMARK(BM_PdfOfThePerPlaceReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavoric
