// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/ppe_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/report_view.h"

namespace tavoric {

TPPEgenererenForm::TPPEgenererenForm(EntryContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("PPEgenererenForm"));
    setWindowTitle(QStringLiteral("Parkeerplaatseenheden (PPE) genereren"));

    auto* placesGroup =
        Named<QGroupBox>("GroupBox2", QStringLiteral(" Alle parkeerplaatsen in &bestand: "));
    places_ = new FixedPitchList("AlleParkeerplaatsenListBox", kPlaceLineHeadings);
    places_->List()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    places_->List()->setMinimumWidth(SelectorWidth(places_->List(), 22));
    generateButton_ = Named<QPushButton>("SpeedButton1", QStringLiteral("&PPE"));
    generateButton_->setToolTip(QStringLiteral("PPE genereren voor geselecteerde parkeerplaatsen"));
    generateButton_->setAutoDefault(false);
    connect(generateButton_, &QPushButton::clicked, this, &TPPEgenererenForm::Generate);
    auto* side = new QVBoxLayout;
    side->addWidget(generateButton_);
    side->addStretch();
    side->addWidget(Named<QLabel>(
        "Label5", QStringLiteral("Meerdere ppl\nselecteren:\n- shift+klik\n- ctrl+klik")));
    auto* placesLayout = new QHBoxLayout(placesGroup);
    placesLayout->addWidget(places_, 1);
    placesLayout->addLayout(side);

    auto* previewGroup = Named<QGroupBox>("GroupBox3", QStringLiteral(" PPE: "));
    preview_ = new ReportView(generator_.Preview(), previewGroup);
    preview_->setObjectName(QStringLiteral("PPERichEdit"));
    preview_->setFont(FixedPitchFont());
    preview_->setMinimumSize(SelectorWidth(preview_, 26), 300);
    // The view draws its lines four pixels inside its frame.
    auto* headings = new ColumnHeadingBar(
        {{0, "Route"}, {5, "Sectie"}, {10, "Ppl."}, {15, "Parkeerplaatseenheid"}}, preview_,
        preview_->frameWidth() + 4);
    auto* previewLayout = new QVBoxLayout(previewGroup);
    previewLayout->setSpacing(1);
    previewLayout->addWidget(headings);
    previewLayout->addWidget(preview_, 1);

    buttons_ = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&OK"));
    connect(buttons_.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* left = new QVBoxLayout;
    left->addWidget(MakeNotice());
    left->addWidget(placesGroup, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(previewGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons_.row);
}

QWidget* TPPEgenererenForm::MakeNotice() {
    notice_ = Named<QGroupBox>("GroupBox1", QStringLiteral(" Attentie: "));
    notice_->setFocusPolicy(Qt::StrongFocus);
    auto* text = Named<QLabel>(
        "Label1", QString::fromUtf8("Bij deze stap worden de parkeerplaatseenheden\n"
                                    "(PPE) gegenereerd per parkeerplaats.\n"
                                    "Deze stap hoeft per parkeerplaats slechts één keer\n"
                                    "te worden uitgevoerd! Zodra kentekens bij deze\n"
                                    "parkeerplaats zijn ingevoerd en deze stap wordt\n"
                                    "nogmaals uitgevoerd, zal dit resulteren in het verlies\n"
                                    "van deze kentekens!"));
    auto* layout = new QVBoxLayout(notice_);
    layout->addWidget(text);
    return notice_;
}

void TPPEgenererenForm::Execute() {
    generator_.Open(context_.survey);
    preview_->LinesChanged();
    places_->SetLines(generator_.Places());
    places_->List()->selectAll();
    UpdateButtons();
    ShowModal(this);
    notice_->setFocus();
}

void TPPEgenererenForm::UpdateButtons() {
    const bool selecting = !working_ && generator_.CanGenerate();
    places_->setEnabled(selecting);
    generateButton_->setEnabled(selecting);
    buttons_.ok->setEnabled(!working_ && generator_.CanApply());
    buttons_.help->setEnabled(!working_);
}

void TPPEgenererenForm::TakeSelection() {
    const std::size_t count = generator_.Places().size();
    for (std::size_t i = 0; i < count; ++i) {
        generator_.SetSelected(i, false);
    }
    for (const QModelIndex& index : places_->List()->selectionModel()->selectedRows()) {
        generator_.SetSelected(static_cast<std::size_t>(index.row()), true);
    }
}

void TPPEgenererenForm::Generate() {
    TakeSelection();
    working_ = true;
    UpdateButtons();
    preview_->hide();
    context_.progress.LetUserInputThrough();  // for "&Annuleren"
    const bool done =
        generator_.Generate(context_.survey, context_.progress, context_.shell.CurrentPrompter());
    working_ = false;
    preview_->LinesChanged();
    preview_->show();
    UpdateButtons();
    if (!done) {
        QDialog::reject();
    }
}

void TPPEgenererenForm::accept() {
    working_ = true;
    UpdateButtons();
    buttons_.cancel->setEnabled(false);
    const bool applied =
        generator_.Apply(context_.survey, context_.progress, context_.shell.CurrentPrompter());
    working_ = false;
    buttons_.cancel->setEnabled(true);
    if (applied) {
        ReportApplied(context_.shell, {true, true});
    }
    QDialog::accept();
}

void TPPEgenererenForm::reject() {
    if (working_) {
        context_.progress.RequestCancel();
        return;
    }
    QDialog::reject();
}

}  // namespace tavoric
