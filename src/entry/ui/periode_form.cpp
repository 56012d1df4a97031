// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/periode_form.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "desktop/time_field.h"

namespace tavoric {

namespace {

struct TextField {
    GeneralField field;
    const char* editName;
    const char* labelName;
    const char* caption;
};

constexpr std::array<TextField, kGeneralFieldCount - 2> kTextFields = {{
    {GeneralField::SurveyArea, "Edit3", "Label3", "Onder&zoeksgebied:"},
    {GeneralField::DayAndDate, "Edit4", "Label4", "&Dag en datum:"},
    {GeneralField::Weather, "Edit5", "Label5", "&Weersgesteldheid:"},
    {GeneralField::Observers, "Edit6", "Label6", "&Uitvoerende(n):"},
    {GeneralField::ReportText1, "Edit1", "Label7", "Rapporttekst &1:"},
    {GeneralField::ReportText2, "Edit2", "Label8", "Rapporttekst &2:"},
}};

QString CountText(std::size_t count) {
    return QString::number(static_cast<qulonglong>(count));
}

}  // namespace

TPeriodeForm::TPeriodeForm(EntryContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("PeriodeForm"));
    setWindowTitle(QStringLiteral("Algemene gegevens"));

    const DialogButtons buttons = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&OK"));
    okButton_ = buttons.ok;
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(MakePeriodGroup());
    top->addWidget(MakeCountsGroup());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MakeGeneralGroup());
    layout->addWidget(MakeMethodGroup());
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TPeriodeForm::MakePeriodGroup() {
    auto* group = Named<QGroupBox>("GroupBox1", QStringLiteral(" Periode parkeeronderzoek: "));
    startTijd_ = new TimeField("StartTijdEdit", "StartTijdSpinButton");
    eindTijd_ = new TimeField("EindTijdEdit", "EindTijdSpinButton");
    auto* form = new QFormLayout(group);
    auto row = [&](TimeField* time, const char* labelName, const char* caption,
                   const char* unitName, GeneralField field) {
        auto* line = new QHBoxLayout;
        line->addWidget(time);
        line->addWidget(Named<QLabel>(unitName, QStringLiteral("uur")));
        line->addStretch();
        form->addRow(LabelFor(labelName, QString::fromUtf8(caption), time->Edit()), line);
        connect(time, &TimeField::Changed, this,
                [this, time, field] { editor_.SetText(field, time->Text()); });
    };
    row(startTijd_, "Label1", "&Start:", "Label9", GeneralField::StartTime);
    row(eindTijd_, "Label2", "&Einde:", "Label10", GeneralField::EndTime);
    return group;
}

QWidget* TPeriodeForm::MakeGeneralGroup() {
    auto* group = Named<QGroupBox>("GroupBox2", QStringLiteral(" Algemeen: "));
    auto* form = new QFormLayout(group);
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        const TextField& textField = kTextFields[i];
        QLineEdit* edit = Named<QLineEdit>(textField.editName);
        edit->setMinimumWidth(360);
        texts_[i] = edit;
        form->addRow(LabelFor(textField.labelName, QString::fromUtf8(textField.caption), edit),
                     edit);
        connect(edit, &QLineEdit::textEdited, this, [this, edit, field = textField.field] {
            editor_.SetText(field, FromQString(edit->text()));
        });
    }
    return group;
}

QWidget* TPeriodeForm::MakeCountsGroup() {
    auto* group = Named<QGroupBox>("GroupBox3", QStringLiteral(" Data in bestand: "));
    auto* form = new QFormLayout(group);
    const std::array<const char*, 4> captions = {
        "Aantal routes:", "Aantal secties:", "Aantal parkeerplaatsen:", "Aantal PPE:"};
    const std::array<const char*, 4> names = {"ntLabel13", "ntLabel14", "ntLabel15", "ntLabel16"};
    const std::array<const char*, 4> captionNames = {"Label17", "Label18", "Label19", "Label20"};
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] = Named<QLabel>(names[i]);
        counts_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counts_[i]->setMinimumWidth(70);
        form->addRow(Named<QLabel>(captionNames[i], QString::fromLatin1(captions[i])), counts_[i]);
    }
    return group;
}

QWidget* TPeriodeForm::MakeMethodGroup() {
    auto* group = Named<QGroupBox>("GroupBox4", QString());
    auto* text = Named<QLabel>(
        "Label11",
        QStringLiteral("Tavoric is gebaseerd op de methode zoals die staat beschreven in de\n"
                       "publicatie 'Tellen en meten in het verkeer' van het C.R.O.W."));
    QPushButton* method = Named<QPushButton>(
        "SpeedButton1",
        QStringLiteral("Klik hier voor een korte &beschrijving van de methode.   "));
    method->setFlat(true);
    method->setAutoDefault(false);
    method->setProperty("helpTopic", kMethodHelpTopic);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(text);
    layout->addWidget(method, 0, Qt::AlignLeft);
    return group;
}

void TPeriodeForm::Execute() {
    Fill();
    ShowModal(this);
    okButton_->setFocus();
}

void TPeriodeForm::Fill() {
    editor_.Open(context_.survey);
    startTijd_->SetText(editor_.Text(GeneralField::StartTime));
    eindTijd_->SetText(editor_.Text(GeneralField::EndTime));
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        texts_[i]->setText(ToQString(editor_.Text(kTextFields[i].field)));
        texts_[i]->setCursorPosition(0);
    }
    const SurveyCounts& counts = editor_.Counts();
    const std::array<std::size_t, 4> values = {counts.routes, counts.sections, counts.places,
                                               counts.ppe};
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i]->setText(CountText(values[i]));
    }
}

void TPeriodeForm::accept() {
    {
        BusyCursor busy;
        if (editor_.Apply(context_.survey)) {
            context_.shell.UpdateCommandStates(false);
        }
    }
    QDialog::accept();
}

}  // namespace tavoric
