// SPDX-License-Identifier: GPL-3.0-or-later
// "Exporteren": the export command's dialog. It names the report and offers plain text, the
// comma-separated table (only for reports with table data), for an analysis report its clean
// table and its Excel workbook, and the printed pages as PDF, for an analysis report with its
// charts on pages of their own. The choices made last stay while the report allows them.
#pragma once

#include <QDialog>

#include "reports/export.h"
#include "reports/print_layout.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tavoric {

class PrintOptionsBox;

class TExportForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 140;

    // printOptions: the page choices of the PDF, shared with the print dialog.
    TExportForm(PrintOptions& printOptions, QWidget* parent);

    // Shows the report's title and the formats it allows, and shows the dialog. analysis: the
    // report is an analysis, with a clean table and a workbook, whose PDF may carry the charts.
    void Execute(const ReportDocument& report, bool analysis);
    ExportFormat ChosenFormat() const;
    // A PDF with the charts after the report.
    bool AddCharts() const;

private:
    QRadioButton* RadioOf(ExportFormat format) const;

    QLabel* label1_ = nullptr;
    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QRadioButton* radioButton3_ = nullptr;
    QRadioButton* cleanTableButton_ = nullptr;
    QRadioButton* workbookButton_ = nullptr;
    PrintOptionsBox* printOptions_ = nullptr;
    QCheckBox* chartsCheckBox_ = nullptr;
    bool chartsPossible_ = false;
    QPushButton* button1_ = nullptr;
};

}  // namespace tavoric
