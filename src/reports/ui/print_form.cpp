#include "reports/ui/print_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "reports/ui/print_job.h"
#include "reports/ui/print_preview_form.h"
#include "reports/ui/report_window.h"

namespace tavoric {

TAfdrukkenForm1::TAfdrukkenForm1(std::function<TKindForm*()> currentReport,
                                 std::function<void()> reportFormat, Prompter& prompter,
                                 Progress& progress, QWidget* parent)
    : QDialog(parent),
      currentReport_(std::move(currentReport)),
      reportFormat_(std::move(reportFormat)),
      prompter_(prompter),
      progress_(progress),
      titleLabel_(new QLabel(this)),
      printerLabel_(new QLabel(this)),
      printButton_(new QPushButton(QStringLiteral("Af&drukken"), this)),
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
    layout->addLayout(commands);
    layout->addSpacing(12);
    layout->addLayout(closing);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TAfdrukkenForm1::~TAfdrukkenForm1() = default;

void TAfdrukkenForm1::PrintCommand() {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        return;  // the user was told at start-up that there is no printer
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
    printButton_->setFocus();
    job_ = PrintJobOf(report);
}

void TAfdrukkenForm1::ShowPrinterName() {
    printerLabel_->setText(ToQString(MessageText("AA00180")) + QLatin1Char(' ') +
                           printer_.printerName());
}

void TAfdrukkenForm1::PrinterSetup() {
    QPrintDialog dialog(&printer_, this);
    dialog.setOptions({});
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
    preview_->ShowJob(job_, printer_.pageLayout().fullRect(QPageLayout::Millimeter).size(),
                      printer_.resolution());
}

void TAfdrukkenForm1::PrintJobNow() {
    BusyCursor busy;
    if (!PrintJobOnPrinter(job_, printer_, progress_)) {
        ErrorNotice(prompter_,
                    FormatText(MessageText("AA00251"), {FromQString(printer_.printerName())}));
    }
}

}  // namespace tavoric
