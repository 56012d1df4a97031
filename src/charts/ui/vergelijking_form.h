// SPDX-License-Identifier: GPL-3.0-or-later
// "Vergelijken met...": the open survey (A) beside another survey of the same area (B), one tab
// per comparison, drawn with Qt Charts. The comparison in front can be printed and saved as PNG,
// SVG, PDF or its table as CSV; all four tables as an Excel workbook.
#pragma once

#include <QDialog>
#include <vector>

#include "analysis/analysis_parameters.h"
#include "charts/survey_comparison.h"
#include "desktop/desktop_shell.h"

class QChartView;
class QTabWidget;

namespace tavoric {

class TVergelijkingForm : public QDialog {
    Q_OBJECT
public:
    TVergelijkingForm(EntryContext context, QWidget* parent);

    // Asks for survey B, makes A's analysis selection on it and shows the comparison; a
    // comparison without a section in common is refused with a message.
    void Execute(const AnalysisParameters& selectionA);

    const SurveyComparison& Comparison() const { return comparison_; }
    ComparisonKind CurrentKind() const;
    QChartView* ViewOf(ComparisonKind kind) const;

private:
    std::optional<SurveyComparison> CompareWith(const Survey& b,
                                                const AnalysisParameters& selectionA);
    void ShowComparison(SurveyComparison comparison, const std::string& nameOfB);
    void ExportCurrent();
    void ExportWorkbook(const std::string& fileName);
    void PrintCurrent();

    EntryContext context_;
    SurveyComparison comparison_;
    std::string nameOfB_;  // B's file name, code page 1252
    QTabWidget* pageControl_ = nullptr;
    std::vector<QChartView*> views_;  // in the order of AllComparisonKinds()
};

}  // namespace tavoric
