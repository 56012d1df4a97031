// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/settings_form.h"

#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/qt_text.h"
#include "desktop/widgets.h"

namespace tavoric {

namespace {

constexpr int kLargestFontSize = 99999999;
constexpr int kLongestRecoveryInterval = 3600;

// An edit for one report character, in the fixed-pitch font the reports use.
QLineEdit* CharacterEdit(const char* name) {
    QLineEdit* edit = Named<QLineEdit>(name);
    edit->setMaxLength(1);
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 4);
    return edit;
}

}  // namespace

TInstellingenForm::TInstellingenForm(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("InstellingenForm"));
    setWindowTitle(QStringLiteral("Programma-instellingen"));
    setModal(true);

    QTabWidget* pages = Named<QTabWidget>("PageControl1");
    pages->addTab(MakeReportPage(), QStringLiteral("Rapport"));
    pages->addTab(MakeFoldersPage(), QStringLiteral("Mappen"));
    pages->addTab(MakeDisplayPage(), QStringLiteral("Weergave"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(MakeButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);  // a dialog keeps its size
}

QWidget* TInstellingenForm::MakeReportPage() {
    QWidget* page = Named<QWidget>("TabSheet1");
    checkBox1_ =
        Named<QCheckBox>("CheckBox1", QStringLiteral("Rapporten automatisch &maximaliseren"));
    spinEdit1_ = Named<QSpinBox>("SpinEdit1");
    spinEdit1_->setRange(0, kLargestFontSize);
    edit4_ = CharacterEdit("Edit4");
    edit1_ = CharacterEdit("Edit1");
    organisatieEdit_ = Named<QLineEdit>("OrganisatieEdit");
    parkeerdruknormSpinEdit_ = Named<QSpinBox>("ParkeerdruknormSpinEdit");
    parkeerdruknormSpinEdit_->setRange(kMinPressureThreshold, kMaxPressureThreshold);
    parkeerdruknormSpinEdit_->setSuffix(QStringLiteral(" %"));

    auto* fontSize = new QHBoxLayout;
    fontSize->addWidget(spinEdit1_);
    fontSize->addWidget(Named<QLabel>("Label2", QStringLiteral("punten")));
    fontSize->addStretch();

    auto* form = new QFormLayout(page);
    form->addRow(checkBox1_);
    form->addRow(LabelFor("Label1", QStringLiteral("Lettergrootte &tabel:"), spinEdit1_), fontSize);
    form->addRow(LabelFor("Label3", QStringLiteral("&Karakter tabellijn:"), edit4_), edit4_);
    form->addRow(LabelFor("Label4", QStringLiteral("Karakter tabel&balk:"), edit1_), edit1_);
    form->addRow(LabelFor("Label5", QStringLiteral("Or&ganisatie:"), organisatieEdit_),
                 organisatieEdit_);
    form->addRow(LabelFor("ParkeerdruknormLabel", QStringLiteral("Parkeer&druknorm:"),
                          parkeerdruknormSpinEdit_),
                 parkeerdruknormSpinEdit_);
    organisatieEdit_->setMinimumWidth(organisatieEdit_->fontMetrics().averageCharWidth() * 40);
    return page;
}

QWidget* TInstellingenForm::MakeFoldersPage() {
    QWidget* page = Named<QWidget>("TabSheet2");
    QGroupBox* group = Named<QGroupBox>("GroupBox1", QStringLiteral(" Reservebestanden: "));
    edit7_ = Named<QLineEdit>("Edit7");
    QPushButton* browse = Named<QPushButton>("Button3", QStringLiteral("..."));
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    connect(browse, &QPushButton::clicked, this, &TInstellingenForm::Button3Click);
    checkBox3_ = Named<QCheckBox>("CheckBox3", QStringLiteral("&Reservebestanden maken"));

    auto* folder = new QHBoxLayout;
    folder->addWidget(edit7_, 1);
    folder->addWidget(browse);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(folder);
    groupLayout->addWidget(checkBox3_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(MakeRecoveryGroup());
    layout->addStretch();
    return page;
}

// "Herstelbestand elke ... seconden"; 0 writes no recovery copies.
QWidget* TInstellingenForm::MakeRecoveryGroup() {
    QGroupBox* group = Named<QGroupBox>("GroupBox2", QStringLiteral(" Herstelbestanden: "));
    recoveryInterval_ = Named<QSpinBox>("SpinEdit2");
    recoveryInterval_->setRange(0, kLongestRecoveryInterval);
    recoveryInterval_->setToolTip(QStringLiteral("0: geen herstelbestanden"));
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(
        LabelFor("Label6", QStringLiteral("Herstelbestand &elke"), recoveryInterval_));
    layout->addWidget(recoveryInterval_);
    layout->addWidget(Named<QLabel>("Label7", QStringLiteral("seconden")));
    layout->addStretch();
    return group;
}

QWidget* TInstellingenForm::MakeDisplayPage() {
    QWidget* page = Named<QWidget>("TabSheet3");
    toolBarLabels_ =
        Named<QCheckBox>("CheckBox4", QStringLiteral("&Werkbalk met tekst bij de knoppen"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(toolBarLabels_);
    layout->addStretch();
    return page;
}

QLayout* TInstellingenForm::MakeButtons() {
    QPushButton* help = HelpButton(this, kHelpTopic);
    help->setObjectName(QStringLiteral("BitBtn3"));

    okButton_ = Named<QPushButton>("BitBtn1", QStringLiteral("&OK"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = Named<QPushButton>("BitBtn2", QStringLiteral("&Annuleren"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancel);
    return buttons;
}

bool TInstellingenForm::Edit(ProgramSettings& settings) {
    Fill(settings);
    okButton_->setFocus();
    if (exec() != QDialog::Accepted) {
        return false;
    }
    CopyInto(settings);
    return true;
}

void TInstellingenForm::Fill(const ProgramSettings& settings) {
    const ReportSettings& report = settings.report;
    checkBox1_->setChecked(report.maximize);
    spinEdit1_->setValue(report.tableFontSize);
    edit4_->setText(ToQString(report.lineCharacter));
    edit1_->setText(ToQString(report.barCharacter));
    organisatieEdit_->setText(ToQString(report.ownerName));
    parkeerdruknormSpinEdit_->setValue(settings.pressureThreshold);
    edit7_->setText(PathToQString(settings.backupFolder));
    checkBox3_->setChecked(settings.makeBackups);
    recoveryInterval_->setValue(settings.recoveryInterval);
    toolBarLabels_->setChecked(settings.toolBarLabels);
}

void TInstellingenForm::CopyInto(ProgramSettings& settings) const {
    ReportSettings& report = settings.report;
    report.maximize = checkBox1_->isChecked();
    report.tableFontSize = spinEdit1_->value();
    report.lineCharacter = FromQString(edit4_->text());
    report.barCharacter = FromQString(edit1_->text());
    report.ownerName = FromQString(organisatieEdit_->text());
    settings.pressureThreshold = parkeerdruknormSpinEdit_->value();
    settings.backupFolder = PathFromQString(edit7_->text());
    settings.makeBackups = checkBox3_->isChecked();
    settings.recoveryInterval = recoveryInterval_->value();
    settings.toolBarLabels = toolBarLabels_->isChecked();
}

// Browses from the folder in the field when it exists; the chosen folder ends in "/".
void TInstellingenForm::Button3Click() {
    const QString current = edit7_->text();
    const std::string start =
        QDir(current).exists() && !current.isEmpty() ? PathFromQString(current) : std::string();
    FileDialogRequest request;
    request.folder = start;
    request.title = MessageText("AA00404");
    if (const std::optional<std::string> chosen = prompter_.BrowseFolder(request)) {
        edit7_->setText(PathToQString(WithTrailingDelimiter(*chosen)));
    }
}

}  // namespace tavoric
