// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/report_format_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/report_settings.h"

namespace tavoric {

TRapportOpmaakForm::TRapportOpmaakForm(QWidget* parent)
    : QDialog(parent), sizeEdit_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("RapportOpmaakForm"));
    setWindowTitle(QStringLiteral("Opmaak rapport"));
    sizeEdit_->setObjectName(QStringLiteral("Edit1"));
    sizeEdit_->setRange(kMinimumReportTextSize, kMaximumReportTextSize);

    auto* label = new QLabel(QStringLiteral("&Lettegrootte:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(sizeEdit_);
    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(sizeEdit_);
    field->addStretch();

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Annuleren"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<int> TRapportOpmaakForm::AskFontSize(int current) {
    sizeEdit_->setValue(current);
    findChild<QPushButton*>(QStringLiteral("Button1"))->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return sizeEdit_->value();
}

}  // namespace tavoric
