// SPDX-License-Identifier: GPL-3.0-or-later
// "Afdrukken": the print command's dialog. It shows the report and the printer, opens the
// printer set-up, the text size and the preview, and prints the job of the current report.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QPrinter>
#include <functional>

#include "core/progress.h"
#include "core/prompter.h"
#include "reports/print_layout.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tavoric {

class TKindForm;
class TPrintPreviewForm;

// "Afdrukstand" with "Staand", "Liggend" and "Automatisch", and "Passend maken op
// paginabreedte": the page choices of the print dialog and the PDF export. Both edit the same
// choices, kept in the program settings.
class PrintOptionsBox : public QGroupBox {
    Q_OBJECT
public:
    PrintOptionsBox(PrintOptions& options, QWidget* parent);
    // Shows the choices as they are now.
    void Refresh();

private:
    void Changed();

    PrintOptions& options_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QRadioButton* automatic_;
    QCheckBox* fit_;
};

class TAfdrukkenForm1 : public QDialog {
    Q_OBJECT
public:
    // currentReport gives the report window the command acts on; reportFormat runs the text
    // size dialog on it.
    TAfdrukkenForm1(std::function<TKindForm*()> currentReport, std::function<void()> reportFormat,
                    PrintOptions& options, Prompter& prompter, Progress& progress, QWidget* parent);
    ~TAfdrukkenForm1() override;

    // The print command: the job of the current report, then the dialog unless it is already on
    // screen, and printing on "Af&drukken". Without an installed printer the destination is a
    // PDF file, asked for when "Af&drukken" is pressed.
    void PrintCommand();
    // The job and the dialog's texts for a report.
    void PrepareJob(const TKindForm& report);

    const PrintJob& Job() const { return job_; }
    bool PrintsToPdfFile() const { return printer_.outputFormat() == QPrinter::PdfFormat; }
    QPrinter& Printer() { return printer_; }
    TPrintPreviewForm& Preview() { return *preview_; }

private:
    void ShowPrinterName();
    void PrinterSetup();
    void ReportFormat();
    void ShowPreview();
    void PrintJobNow();

    std::function<TKindForm*()> currentReport_;
    std::function<void()> reportFormat_;
    PrintOptions& options_;
    Prompter& prompter_;
    Progress& progress_;
    QPrinter printer_{QPrinter::HighResolution};
    PrintJob job_;
    QLabel* titleLabel_;
    QLabel* printerLabel_;
    QPushButton* printButton_;
    PrintOptionsBox* optionsBox_;
    TPrintPreviewForm* preview_;
};

}  // namespace tavoric
