// SPDX-License-Identifier: GPL-3.0-or-later
// "Grafieken": the charts of the analysis selection, one tab per chart, drawn with Qt Charts.
// The chart in front can be printed, saved as PNG, SVG or PDF and copied as a picture; the
// tables of all charts can be saved as an Excel workbook.
#pragma once

#include <QDialog>
#include <QImage>
#include <vector>

#include "charts/chart_texts.h"
#include "core/prompter.h"

class QChartView;
class QPushButton;
class QTabWidget;

namespace tavoric {

class TGrafiekenForm : public QDialog {
    Q_OBJECT
public:
    TGrafiekenForm(Prompter& prompter, QWidget* parent);

    // Draws every chart of the figures in the current language and shows the window; the tab in
    // front stays in front.
    void ShowCharts(ChartData figures);

    const ChartData& Data() const { return data_; }
    ChartKind CurrentKind() const;
    QChartView* ViewOf(ChartKind kind) const;
    // The chart in front as the picture that "Kopiëren" puts on the clipboard.
    QImage CurrentImage() const;

private:
    void ExportCurrent();
    void ExportWorkbook(const std::string& fileName);
    void PrintCurrent();
    void CopyCurrent();

    Prompter& prompter_;
    ChartData data_;
    QTabWidget* pageControl_ = nullptr;
    std::vector<QChartView*> views_;  // in the order of AllChartKinds()
    QPushButton* printButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
};

}  // namespace tavoric
