// "Exporteren": the export command's dialog. It names the report and offers plain text, the
// comma-separated table (only for reports with table data) and the printed pages as PDF. The
// choice made last stays selected while the report allows it.
#pragma once

#include <QDialog>

#include "reports/export.h"
#include "reports/print_layout.h"

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

    // Shows the report's title and the formats it allows, and shows the dialog.
    void Execute(const ReportDocument& report);
    ExportFormat ChosenFormat() const;

private:
    QRadioButton* RadioOf(ExportFormat format) const;

    QLabel* label1_ = nullptr;
    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QRadioButton* radioButton3_ = nullptr;
    PrintOptionsBox* printOptions_ = nullptr;
    QPushButton* button1_ = nullptr;
};

}  // namespace tavoric
