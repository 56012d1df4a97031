// "Afdrukken": the print command's dialog. It shows the report and the printer, opens the
// printer set-up, the text size and the preview, and prints the job of the current report.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>

#include "core/progress.h"
#include "core/prompter.h"
#include "reports/print_layout.h"

class QLabel;
class QPushButton;

namespace tavoric {

class TKindForm;
class TPrintPreviewForm;

class TAfdrukkenForm1 : public QDialog {
    Q_OBJECT
public:
    // currentReport gives the report window the command acts on; reportFormat runs the text
    // size dialog on it.
    TAfdrukkenForm1(std::function<TKindForm*()> currentReport, std::function<void()> reportFormat,
                    Prompter& prompter, Progress& progress, QWidget* parent);
    ~TAfdrukkenForm1() override;

    // The print command: nothing without an installed printer; otherwise the job of the current
    // report, then the dialog unless it is already on screen, and printing on "Af&drukken".
    void PrintCommand();
    // The job and the dialog's texts for a report.
    void PrepareJob(const TKindForm& report);

    const PrintJob& Job() const { return job_; }
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
    Prompter& prompter_;
    Progress& progress_;
    QPrinter printer_{QPrinter::HighResolution};
    PrintJob job_;
    QLabel* titleLabel_;
    QLabel* printerLabel_;
    QPushButton* printButton_;
    TPrintPreviewForm* preview_;
};

}  // namespace tavoric
