// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/waarnemingen_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "desktop/report_view.h"
#include "reports/export.h"

namespace tavoric {

namespace {

constexpr const char* kCsvFilter = "CSV-bestanden (*.csv)|*.csv|Alle bestanden (*.*)|*.*";

// The project's file name without folder and extension, as the export's proposed name.
std::string ProjectBaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

TWaarnemingenImportForm::TWaarnemingenImportForm(EntryContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("WaarnemingenImportForm"));
    setWindowTitle(QStringLiteral("Waarnemingen importeren"));

    summary_ = Named<QLabel>("ntSamenvattingLabel");
    summary_->setTextFormat(Qt::PlainText);
    auto* rowsGroup = Named<QGroupBox>("GroupBox1", QStringLiteral(" Gemelde rijen: "));
    reportedRows_ = new ReportView(reportedLines_, rowsGroup);
    reportedRows_->setObjectName(QStringLiteral("GemeldeRijenView"));
    reportedRows_->setFont(FixedPitchFont());
    reportedRows_->setMinimumSize(SelectorWidth(reportedRows_, 90), 220);
    save_ = Named<QPushButton>("Button3", QStringLiteral("&Opslaan..."));
    copy_ = Named<QPushButton>("Button4", QStringLiteral("&Kopi\u00EBren"));
    connect(save_, &QPushButton::clicked, this, &TWaarnemingenImportForm::SaveReportedRows);
    connect(copy_, &QPushButton::clicked, this, &TWaarnemingenImportForm::CopyReportedRows);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addStretch();
    rowButtons->addWidget(save_);
    rowButtons->addWidget(copy_);
    auto* rowsLayout = new QVBoxLayout(rowsGroup);
    rowsLayout->addWidget(reportedRows_);
    rowsLayout->addLayout(rowButtons);
    replace_ =
        Named<QCheckBox>("CheckBox1", QStringLiteral("PPE met een ander kenteken &vervangen"));
    connect(replace_, &QCheckBox::toggled, this, &TWaarnemingenImportForm::ShowPlan);

    buttons_ = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&Toepassen"));
    connect(buttons_.ok, &QPushButton::clicked, this, &QDialog::accept);
    // A plan of a big file is large; it is not kept once the dialog is closed.
    connect(this, &QDialog::finished, this, [this] { plan_ = {}; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(rowsGroup, 1);
    layout->addWidget(replace_);
    layout->addLayout(buttons_.row);
}

void TWaarnemingenImportForm::Execute() {
    Prompter& prompter = context_.shell.CurrentPrompter();
    const std::optional<std::string> path =
        prompter.OpenFileName({kCsvFilter, "", "", MessageText("AA00500")});
    if (!path || path->empty()) {
        return;
    }
    std::string content;
    if (!ReadWholeFile(*path, content)) {
        ErrorNotice(prompter, FormatText(MessageText("AA00270"), {Utf8ToCp1252(*path)}));
        return;
    }
    {
        BusyCursor busy;
        plan_ = PlanObservationImport(context_.survey, content);
    }
    if (!plan_.fileError.empty()) {
        ErrorNotice(prompter,
                    FormatText(MessageText("AA00507"), {Utf8ToCp1252(*path), plan_.fileError}));
        return;
    }
    replace_->setChecked(false);
    ShowPlan();
    ShowModal(this);
    buttons_.ok->setFocus();
}

void TWaarnemingenImportForm::ShowPlan() {
    const bool replace = replace_->isChecked();
    std::string summary;
    for (const std::string& line : ImportSummaryLines(plan_, replace)) {
        summary += summary.empty() ? "" : "\n";
        summary += line;
    }
    summary_->setText(ToQString(summary));
    reportedLines_.clear();
    for (const ReportedRow* row : RowsLeftOut(plan_, replace)) {
        reportedLines_.push_back(ReportedRowText(*row));
    }
    reportedRows_->LinesChanged();
    save_->setEnabled(!reportedLines_.empty());
    copy_->setEnabled(!reportedLines_.empty());
    buttons_.ok->setEnabled(plan_.counts.rowsRead > 0);
}

void TWaarnemingenImportForm::SaveReportedRows() {
    Prompter& prompter = context_.shell.CurrentPrompter();
    const std::optional<std::string> path =
        AskExportFileName(MessageText("AA00517"), ExportFormat::Text, prompter);
    if (path) {
        WriteExportFile(*path, ReportedRowsFileContent(RowsLeftOut(plan_, replace_->isChecked())),
                        prompter);
    }
}

void TWaarnemingenImportForm::CopyReportedRows() {
    std::string text;
    for (const std::string& line : reportedLines_) {
        text += line;
        text += "\n";
    }
    QApplication::clipboard()->setText(ToQString(text));
}

void TWaarnemingenImportForm::accept() {
    if (ApplyObservationImport(context_.survey, plan_, replace_->isChecked()) > 0) {
        context_.shell.UpdateCommandStates(false);
    }
    QDialog::accept();
}

void ExportObservations(const Survey& survey, Prompter& prompter) {
    ButtonCaptions captions;
    captions.yes = MessageText("ZB00021");
    captions.no = MessageText("ZB00022");
    captions.cancel = MessageText("ZB00013");
    const int allSlots =
        Question(prompter, MessageText("AA00502"), MessageText("AA00503"), captions, kDefaultNo);
    if (allSlots == kCancel) {
        return;
    }
    const std::optional<std::string> path =
        AskExportFileName(ProjectBaseName(survey.ProjectPath), ExportFormat::Csv, prompter);
    if (path) {
        BusyCursor busy;
        WriteExportFile(*path, ObservationCsvContent(survey, allSlots == kYes), prompter);
    }
}

}  // namespace tavoric
