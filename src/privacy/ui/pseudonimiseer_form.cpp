// SPDX-License-Identifier: GPL-3.0-or-later
#include "privacy/ui/pseudonimiseer_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/widgets.h"

namespace tavoric {

TPseudonimiseerForm::TPseudonimiseerForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PseudonimiseerForm"));
    setWindowTitle(QStringLiteral("Kentekens pseudonimiseren"));
    auto* explanation = Named<QLabel>(
        "Label1",
        QStringLiteral("Tavoric slaat een kopie van het project op waarin elk kenteken is "
                       "vervangen door een code: hetzelfde kenteken krijgt steeds dezelfde code, "
                       "dus alle rapporten geven dezelfde cijfers. Het geopende project blijft "
                       "ongewijzigd; daarna wordt de kopie geopend."));
    explanation->setWordWrap(true);
    auto* group = Named<QGroupBox>("GroupBox1", QStringLiteral(" Ook wissen: "));
    observers_ = Named<QCheckBox>("CheckBox1", QStringLiteral("Namen van de &uitvoerenden"));
    notes_ = Named<QCheckBox>("CheckBox2", QStringLiteral("Aa&ntekeningen"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(observers_);
    groupLayout->addWidget(notes_);

    const DialogButtons buttons = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&OK"));
    okButton_ = buttons.ok;
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(group);
    layout->addLayout(buttons.row);
    explanation->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPseudonimiseerForm::Execute() {
    ShowModal(this);
    okButton_->setFocus();
}

PseudonymiseOptions TPseudonimiseerForm::Options() const {
    return {.clearObservers = observers_->isChecked(), .clearNotes = notes_->isChecked()};
}

}  // namespace tavoric
