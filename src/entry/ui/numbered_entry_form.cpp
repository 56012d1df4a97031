// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/numbered_entry_form.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/qt_text.h"
#include "entry/entry_fields.h"

namespace tavoric {

NumberedEntryForm::NumberedEntryForm(NumberedListEditor& editor, DesktopShell& shell,
                                     const char* objectName, const QString& groupCaption,
                                     int helpTopic, QWidget* parent)
    : QDialog(parent), editor_(editor), shell_(shell) {
    setObjectName(QString::fromLatin1(objectName));
    number_ = new FieldEdit("Edit1", kNumberFieldLength, true);
    number_->setFixedWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    numberSpin_ = new SpinButton("SpinButton1");
    numberSpin_->AttachTo(number_);
    description_ = new FieldEdit("Edit2", kDescriptionLength, false);
    description_->setMinimumWidth(description_->fontMetrics().averageCharWidth() * 36);

    connect(number_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.SetNumber(FromQString(text));
        ShowText(number_, editor_.Number());
    });
    connect(number_, &FieldEdit::Left, this, [this] {
        editor_.LeaveNumber();
        FillNumber();
    });
    connect(numberSpin_, &SpinButton::Stepped, this, [this](StepDirection direction) {
        editor_.StepNumber(direction);
        FillNumber();
    });
    connect(description_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.SetDescription(FromQString(text)); });

    auto* group = Named<QGroupBox>("GroupBox1", groupCaption);
    fields_ = new QFormLayout(group);
    auto* numberRow = new QHBoxLayout;
    numberRow->setSpacing(1);
    numberRow->addWidget(number_);
    numberRow->addWidget(numberSpin_);
    numberRow->addStretch();
    fields_->addRow(LabelFor("Label1", QStringLiteral("&Nummer:"), number_), numberRow);
    fields_->addRow(LabelFor("Label2", QStringLiteral("Oms&chrijving:"), description_),
                    description_);

    const DialogButtons buttons = MakeDialogButtons(this, helpTopic, QString());
    applyButton_ = buttons.ok;
    connect(applyButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool NumberedEntryForm::Execute(EntryMode mode) {
    if (!editor_.StartDialog(mode)) {
        return false;
    }
    setWindowTitle(ToQString(editor_.DialogTitle()));
    applyButton_->setText(ToQString(editor_.DialogButtonCaption()));
    number_->setEnabled(editor_.NumberEditable());
    numberSpin_->setEnabled(editor_.NumberEditable());
    FillNumber();
    description_->setText(ToQString(editor_.Description()));
    FillExtraFields();
    ShowModal(this);
    description_->setFocus();
    return true;
}

void NumberedEntryForm::FillNumber() {
    ShowText(number_, editor_.Number());
}

// The dialog closes first: a notice such as "Routenummer bestaat al." appears over the list.
void NumberedEntryForm::accept() {
    QDialog::accept();
    const bool changed = editor_.ApplyDialog(shell_.CurrentPrompter());
    if (changed) {
        emit ListChanged();
    }
}

}  // namespace tavoric
