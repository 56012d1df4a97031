// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/export_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/message_texts.h"
#include "desktop/qt_text.h"
#include "desktop/widgets.h"
#include "reports/ui/print_form.h"

namespace tavoric {

TExportForm::TExportForm(PrintOptions& printOptions, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ExportForm"));
    setWindowTitle(QStringLiteral("Exporteren"));
    label1_ = Named<QLabel>("Label1");
    label1_->setTextFormat(Qt::PlainText);
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);
    radioButton1_ = Named<QRadioButton>("RadioButton1", QStringLiteral("&TXT"));
    radioButton2_ = Named<QRadioButton>(
        "RadioButton2", QStringLiteral("&CSV tekst met scheidingstekens (alleen matrices)"));
    radioButton3_ = Named<QRadioButton>("RadioButton3", QStringLiteral("&PDF"));
    cleanTableButton_ = Named<QRadioButton>("TabelRadioButton");
    workbookButton_ = Named<QRadioButton>("WerkmapRadioButton");
    radioButton1_->setChecked(true);
    printOptions_ = new PrintOptionsBox(printOptions, this);
    printOptions_->setEnabled(false);
    chartsCheckBox_ = Named<QCheckBox>("GrafiekenCheckBox", QStringLiteral("&Grafieken toevoegen"));
    chartsCheckBox_->setEnabled(false);
    connect(radioButton3_, &QRadioButton::toggled, this, [this](bool pdf) {
        printOptions_->setEnabled(pdf);
        chartsCheckBox_->setEnabled(pdf && chartsPossible_);
    });

    QPushButton* tip =
        Named<QPushButton>("SpeedButton1", QStringLiteral("T&ip: exporteren naar spreadsheet  "));
    tip->setFlat(true);
    tip->setAutoDefault(false);
    tip->setProperty("helpTopic", kHelpTopic);

    const DialogButtons buttons =
        MakeDialogButtons(this, kHelpTopic, QStringLiteral("&Exporteren..."));
    button1_ = buttons.ok;
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    for (QRadioButton* radio :
         {radioButton1_, radioButton2_, cleanTableButton_, workbookButton_, radioButton3_}) {
        layout->addWidget(radio);
    }
    layout->addWidget(printOptions_);
    layout->addWidget(chartsCheckBox_);
    layout->addWidget(tip, 0, Qt::AlignLeft);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QRadioButton* TExportForm::RadioOf(ExportFormat format) const {
    switch (format) {
        case ExportFormat::Csv:
            return radioButton2_;
        case ExportFormat::Pdf:
            return radioButton3_;
        case ExportFormat::CleanCsv:
            return cleanTableButton_;
        case ExportFormat::Workbook:
            return workbookButton_;
        case ExportFormat::Text:
            break;
    }
    return radioButton1_;
}

void TExportForm::Execute(const ReportDocument& report, bool analysis) {
    label1_->setText(ToQString(report.Title()));
    radioButton2_->setEnabled(report.HasTableData());
    // Message texts, so that they follow the language chosen since the dialog was made.
    cleanTableButton_->setText(ToQString(MessageText("AA00856")));
    workbookButton_->setText(ToQString(MessageText("AA00857")));
    cleanTableButton_->setEnabled(analysis);
    workbookButton_->setEnabled(analysis);
    RadioOf(OfferedExportFormat(ChosenFormat(), report, analysis))->setChecked(true);
    chartsPossible_ = analysis;
    chartsCheckBox_->setEnabled(analysis && radioButton3_->isChecked());
    printOptions_->Refresh();
    ShowModal(this);
    button1_->setFocus();
}

ExportFormat TExportForm::ChosenFormat() const {
    for (const ExportFormat format :
         {ExportFormat::Csv, ExportFormat::Pdf, ExportFormat::CleanCsv, ExportFormat::Workbook}) {
        if (RadioOf(format)->isChecked()) {
            return format;
        }
    }
    return ExportFormat::Text;
}

bool TExportForm::AddCharts() const {
    return chartsCheckBox_->isEnabled() && chartsCheckBox_->isChecked();
}

}  // namespace tavoric
