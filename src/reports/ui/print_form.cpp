// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/print_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "reports/ui/print_job.h"
#include "reports/ui/print_preview_form.h"
#include "reports/ui/report_window.h"

namespace tavoric {

PrintOptionsBox::PrintOptionsBox(PrintOptions& options, QWidget* parent)
    : QGroupBox(QStringLiteral("Afdrukstand"), parent),
      options_(options),
      portrait_(new QRadioButton(QStringLiteral("&Staand"), this)),
      landscape_(new QRadioButton(QStringLiteral("&Liggend"), this)),
      automatic_(new QRadioButton(QStringLiteral("A&utomatisch"), this)),
      fit_(new QCheckBox(QStringLiteral("Passend maken op pagina&breedte"), this)) {
    setObjectName(QStringLiteral("AfdrukstandGroupBox"));
    portrait_->setObjectName(QStringLiteral("StaandRadioButton"));
    landscape_->setObjectName(QStringLiteral("LiggendRadioButton"));
    automatic_->setObjectName(QStringLiteral("AutomatischRadioButton"));
    fit_->setObjectName(QStringLiteral("PassendCheckBox"));
    // A group of their own, so that they never take part in the choices of the dialog around.
    auto* group = new QButtonGroup(this);
    auto* orientations = new QHBoxLayout;
    for (QRadioButton* each : {portrait_, landscape_, automatic_}) {
        group->addButton(each);
        orientations->addWidget(each);
        connect(each, &QRadioButton::toggled, this, &PrintOptionsBox::Changed);
    }
    orientations->addStretch();
    connect(fit_, &QCheckBox::toggled, this, &PrintOptionsBox::Changed);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(orientations);
    layout->addWidget(fit_);
    Refresh();
}

void PrintOptionsBox::Refresh() {
    const PrintOptions shown = options_;
    switch (shown.orientation) {
        case PrintOrientation::Portrait:
            portrait_->setChecked(true);
            break;
        case PrintOrientation::Landscape:
            landscape_->setChecked(true);
            break;
        case PrintOrientation::Automatic:
            automatic_->setChecked(true);
            break;
    }
    fit_->setChecked(shown.fitToPageWidth);
    options_ = shown;  // the toggles on the way may have passed through other values
}

void PrintOptionsBox::Changed() {
    options_.orientation = portrait_->isChecked()    ? PrintOrientation::Portrait
                           : landscape_->isChecked() ? PrintOrientation::Landscape
                                                     : PrintOrientation::Automatic;
    options_.fitToPageWidth = fit_->isChecked();
}

TAfdrukkenForm1::TAfdrukkenForm1(std::function<TKindForm*()> currentReport,
                                 std::function<void()> reportFormat, PrintOptions& options,
                                 Prompter& prompter, Progress& progress, QWidget* parent)
    : QDialog(parent),
      currentReport_(std::move(currentReport)),
      reportFormat_(std::move(reportFormat)),
      options_(options),
      prompter_(prompter),
      progress_(progress),
      titleLabel_(new QLabel(this)),
      printerLabel_(new QLabel(this)),
      printButton_(new QPushButton(QStringLiteral("Af&drukken"), this)),
      optionsBox_(new PrintOptionsBox(options, this)),
      preview_(new TPrintPreviewForm(this)) {
    setObjectName(QStringLiteral("AfdrukkenForm1"));
    setWindowTitle(QStringLiteral("Afdrukken"));
    titleLabel_->setObjectName(QStringLiteral("Label4"));
    titleLabel_->setTextFormat(Qt::PlainText);
    QFont bold = titleLabel_->font();
    bold.setBold(true);
    titleLabel_->setFont(bold);
    printerLabel_->setObjectName(QStringLiteral("Label5"));
    printerLabel_->setTextFormat(Qt::PlainText);

    const auto button = [this](const char* name, const char* caption,
                               void (TAfdrukkenForm1::*run)()) {
        auto* pushButton = new QPushButton(QString::fromUtf8(caption), this);
        pushButton->setObjectName(QString::fromLatin1(name));
        pushButton->setAutoDefault(false);
        connect(pushButton, &QPushButton::clicked, this, run);
        return pushButton;
    };
    QPushButton* setup = button("Button2", "&Printerinstellingen", &TAfdrukkenForm1::PrinterSetup);
    QPushButton* format = button("Button3", "Rapport&opmaak   ", &TAfdrukkenForm1::ReportFormat);
    QPushButton* preview = button("Button4", "Afdruk&voorbeeld ", &TAfdrukkenForm1::ShowPreview);
    QPushButton* cancel = button("Button5", "&Annuleren", &TAfdrukkenForm1::reject);
    printButton_->setObjectName(QStringLiteral("Button1"));
    printButton_->setDefault(true);
    connect(printButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* commands = new QHBoxLayout;
    for (QPushButton* each : {setup, format, preview}) {
        commands->addWidget(each);
    }
    commands->addStretch();
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(printButton_);
    closing->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel_);
    layout->addWidget(printerLabel_);
    layout->addSpacing(8);
    layout->addWidget(optionsBox_);
    layout->addLayout(commands);
    layout->addSpacing(12);
    layout->addLayout(closing);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TAfdrukkenForm1::~TAfdrukkenForm1() = default;

void TAfdrukkenForm1::PrintCommand() {
    if (QPrinterInfo::availablePrinters().isEmpty() &&
        printer_.outputFormat() == QPrinter::NativeFormat) {
        // The user was told at start-up that there is no printer: the pages go to a PDF file.
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setPageSize(QPageSize(QPageSize::A4));
    }
    TKindForm* report = currentReport_ ? currentReport_() : nullptr;
    if (!report) {
        return;
    }
    {
        BusyCursor busy;
        PrepareJob(*report);
    }
    if (isVisible()) {
        return;  // back from the text size: the dialog shows the new job already
    }
    if (exec() == QDialog::Accepted) {
        PrintJobNow();
    }
}

void TAfdrukkenForm1::PrepareJob(const TKindForm& report) {
    ShowPrinterName();
    titleLabel_->setText(ToQString(report.Document().Title()));
    optionsBox_->Refresh();
    printButton_->setFocus();
    job_ = PrintJobOf(report, options_);
}

void TAfdrukkenForm1::ShowPrinterName() {
    const QString destination = !PrintsToPdfFile() ? printer_.printerName()
                                : printer_.outputFileName().isEmpty()
                                    ? ToQString(MessageText("AA00353"))
                                    : printer_.outputFileName();
    printerLabel_->setText(ToQString(MessageText("AA00180")) + QLatin1Char(' ') + destination);
}

// Qt's print dialog chooses the printer and its set-up; here it only stores them, so its title
// and confirm button say so instead of "Print".
void TAfdrukkenForm1::PrinterSetup() {
    QPrintDialog dialog(&printer_, this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setOptions({});
    dialog.setWindowTitle(ToQString(MessageText("AA00405")));
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok)) {
            confirm->setText(ToQString(MessageText("AA00406")));
        }
    }
    dialog.exec();
    ShowPrinterName();
}

void TAfdrukkenForm1::ReportFormat() {
    if (reportFormat_) {
        reportFormat_();
    }
    PrintCommand();
}

void TAfdrukkenForm1::ShowPreview() {
    job_.options = options_;
    preview_->ShowJob(job_, printer_.pageLayout().fullRect(QPageLayout::Millimeter).size(),
                      printer_.resolution());
}

void TAfdrukkenForm1::PrintJobNow() {
    job_.options = options_;
    if (PrintsToPdfFile() && printer_.outputFileName().isEmpty()) {
        ExportPdfWithSaveDialog(job_, prompter_, progress_);
        return;
    }
    BusyCursor busy;
    if (!PrintJobOnPrinter(job_, printer_, progress_)) {
        ErrorNotice(prompter_,
                    FormatText(MessageText("AA00251"), {FromQString(printer_.printerName())}));
    }
}

}  // namespace tavoric
