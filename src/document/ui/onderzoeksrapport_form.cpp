// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ui/onderzoeksrapport_form.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/settings.h"
#include "desktop/busy_cursor.h"
#include "desktop/desktop_progress.h"
#include "desktop/desktop_shell.h"
#include "desktop/qt_text.h"
#include "desktop/widgets.h"
#include "document/document_files.h"
#include "reports/export.h"

namespace tavoric {

namespace {

// Survey B beside the report's selection; false when the user stops or they share no section.
bool AddComparison(CouncilFigures& figures, const AnalysisParameters& parameters, const Survey& b,
                   DesktopShell& shell) {
    std::optional<SurveyComparison> comparison = CompareInSelectionOfA(
        shell.CurrentSurvey(), parameters, b, shell.Settings().pressureThreshold,
        shell.MainProgress(), shell.CurrentPrompter());
    if (!comparison) {
        return false;
    }
    figures.comparison =
        CouncilComparison{std::move(*comparison),
                          Utf8ForMessage(std::filesystem::path(b.ProjectPath).filename().string())};
    return true;
}

}  // namespace

void MakeCouncilReport(const CouncilReportChoices& choices, const AnalysisParameters& parameters,
                       DesktopShell& shell) {
    Prompter& prompter = shell.CurrentPrompter();
    std::optional<Survey> b;
    if (choices.compare && !(b = AskSurveyToCompare(prompter))) {
        return;
    }
    const std::optional<CouncilReportFiles> files =
        AskCouncilReportFiles(choices, MessageText("AA00906"), prompter);
    if (!files) {
        return;
    }
    BusyCursor busy;
    const Survey& survey = shell.CurrentSurvey();
    const ProgramSettings& settings = shell.Settings();
    std::optional<CouncilFigures> figures =
        ComputeCouncilFigures(survey, parameters, settings.pressureThreshold, shell.MainProgress());
    if (!figures || (b && !AddComparison(*figures, parameters, *b, shell))) {
        return;
    }
    const std::optional<StreetMap> map =
        RememberedStreetMap(survey, figures->charts.sections, prompter);
    const CouncilReportContext context =
        ContextOfToday(survey, settings.report.ownerName, parameters, map.has_value());
    const DocumentDrawing drawing;
    const auto writeFile = [&](const std::string& path, std::string_view bytes) {
        return WriteExportFile(path, bytes, prompter);
    };
    if (drawing.Write(*files, *figures, context, map ? &*map : nullptr, prompter, writeFile) &&
        files->pdf) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(*files->pdf)));
    }
}

TOnderzoeksrapportForm::TOnderzoeksrapportForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OnderzoeksrapportForm"));
    setWindowTitle(QStringLiteral("Onderzoeksrapport"));
    auto* label = Named<QLabel>(
        "Label1",
        QStringLiteral("Het rapport voor de gemeenteraad met de selectie van de analyse:"));
    pdfCheckBox_ = Named<QCheckBox>("PdfCheckBox", QStringLiteral("&PDF (daarna openen)"));
    odtCheckBox_ =
        Named<QCheckBox>("OdtCheckBox", QStringLiteral("O&DT, bewerkbaar in een tekstverwerker"));
    csvCheckBox_ = Named<QCheckBox>("CsvCheckBox", QStringLiteral("&Kerncijfers als CSV"));
    compareCheckBox_ = Named<QCheckBox>("VergelijkCheckBox",
                                        QStringLiteral("&Vergelijken met een andere meting..."));
    pdfCheckBox_->setChecked(true);

    const DialogButtons buttons = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&OK"));
    button1_ = buttons.ok;
    connect(button1_, &QPushButton::clicked, this, [this] {
        accept();
        if (chosen_) {
            chosen_(Choices());
        }
    });
    for (QCheckBox* box : {pdfCheckBox_, odtCheckBox_, csvCheckBox_}) {
        connect(box, &QCheckBox::toggled, this, [this] { button1_->setEnabled(Choices().Any()); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    for (QCheckBox* box : {pdfCheckBox_, odtCheckBox_, csvCheckBox_, compareCheckBox_}) {
        layout->addWidget(box);
    }
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TOnderzoeksrapportForm::Execute(std::function<void(const CouncilReportChoices&)> chosen) {
    chosen_ = std::move(chosen);
    ShowModal(this);
    button1_->setFocus();
}

CouncilReportChoices TOnderzoeksrapportForm::Choices() const {
    return {pdfCheckBox_->isChecked(), odtCheckBox_->isChecked(), csvCheckBox_->isChecked(),
            compareCheckBox_->isChecked()};
}

}  // namespace tavoric
