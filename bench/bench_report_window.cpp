// SPDX-License-Identifier: GPL-3.0-or-later
// A report window of 1,000,000 lines: opening it and scrolling it, the window's own view against
// QPlainTextEdit. Runs on the offscreen platform unless a display is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <string>
#include <vector>

#include "desktop/qt_text.h"
#include "desktop/report_view.h"
#include "reports/ui/report_window.h"

namespace tavoric {
namespace {

constexpr int kLines = 1'000'000;

const std::vector<std::string>& ReportLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> made;
        made.reserve(kLines);
        for (int i = 0; i < kLines; ++i) {
            std::string line = "0001 0002 " + std::to_string(1000 + i % 9000) + " 0600-0615 ";
            line += i % 7 == 0 ? "" : "12AB" + std::to_string(10 + i % 90);
            line += i % 13 == 0 ? " F" : "";
            made.push_back(std::move(line));
        }
        return made;
    }();
    return lines;
}

void Fill(TKindForm& report) {
    for (const std::string& line : ReportLines()) {
        report.Document().AddReportLine(line);
    }
    report.EndWriting();
}

// The whole report as QPlainTextEdit takes it.
QString JoinedText() {
    std::string joined;
    for (const std::string& line : ReportLines()) {
        joined += line;
        joined += '\n';
    }
    return ToQString(joined);
}

void ShowAndPaint(QWidget& window) {
    window.resize(1000, 700);
    window.show();
    window.repaint();
    QApplication::processEvents();
}

// From the producer's first line to the painted window.
void BM_ReportWindowOpen(benchmark::State& state) {
    for (auto _ : state) {
        TKindForm report(1, ReportSettings{}, {}, {});
        report.BeginWriting();
        Fill(report);
        ShowAndPaint(report);
    }
}
BENCHMARK(BM_ReportWindowOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PlainTextEditOpen(benchmark::State& state) {
    for (auto _ : state) {
        QPlainTextEdit edit;
        edit.setReadOnly(true);
        edit.setLineWrapMode(QPlainTextEdit::NoWrap);
        edit.setFont(QFont(QStringLiteral("Courier New"), 8));
        edit.setPlainText(JoinedText());
        ShowAndPaint(edit);
    }
}
BENCHMARK(BM_PlainTextEditOpen)->Unit(benchmark::kMillisecond)->Iterations(1);

// One page down and its repaint, across the whole report.
template <typename Window>
void ScrollPages(benchmark::State& state, Window& window, QAbstractScrollArea& area) {
    ShowAndPaint(window);
    QScrollBar* bar = area.verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        area.viewport()->repaint();
    }
}

void BM_ReportWindowScrollPage(benchmark::State& state) {
    TKindForm report(1, ReportSettings{}, {}, {});
    Fill(report);
    ScrollPages(state, report, report.View());
}
BENCHMARK(BM_ReportWindowScrollPage)->Unit(benchmark::kMicrosecond);

void BM_PlainTextEditScrollPage(benchmark::State& state) {
    QPlainTextEdit edit;
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    edit.setPlainText(JoinedText());
    ScrollPages(state, edit, edit);
}
BENCHMARK(BM_PlainTextEditScrollPage)->Unit(benchmark::kMicrosecond);

void BM_ReportWindowSelectAllAndCopy(benchmark::State& state) {
    TKindForm report(1, ReportSettings{}, {}, {});
    Fill(report);
    for (auto _ : state) {
        report.SelectAll();
        report.CopySelection();
    }
}
BENCHMARK(BM_ReportWindowSelectAllAndCopy)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tavoric

