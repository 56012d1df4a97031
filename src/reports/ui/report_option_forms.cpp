// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/report_option_forms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "desktop/widgets.h"

namespace tavoric {

namespace {

struct OptionBox {
    const char* name;
    const char* caption;
    bool checked;
};

// A group of check boxes above the dialog's buttons; accepting the dialog is the report command.
template <std::size_t N>
std::array<QCheckBox*, N> MakeOptionDialog(QDialog* dialog, QWidget* page, const char* groupTitle,
                                           const std::array<OptionBox, N>& boxes,
                                           const DialogButtons& buttons) {
    auto* group = Named<QGroupBox>("GroupBox1", QString::fromUtf8(groupTitle));
    auto* groupLayout = new QVBoxLayout(group);
    std::array<QCheckBox*, N> made{};
    for (std::size_t i = 0; i < N; ++i) {
        made[i] = Named<QCheckBox>(boxes[i].name, QString::fromUtf8(boxes[i].caption));
        made[i]->setChecked(boxes[i].checked);
        groupLayout->addWidget(made[i]);
    }
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(group);
    pageLayout->addStretch();
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return made;
}

void FinishLayout(QDialog* dialog, QWidget* body, const DialogButtons& buttons) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(body);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace

TInvoergegRapportForm::TInvoergegRapportForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InvoergegRapportForm"));
    setWindowTitle(QStringLiteral("Rapport invoergegevens"));
    const DialogButtons buttons = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&Rapport"));
    button1_ = buttons.ok;
    auto* pages = Named<QTabWidget>("PageControl1");
    auto* page = Named<QWidget>("TabSheet1");
    pages->addTab(page, QStringLiteral("Gegevens"));
    blocks_ = MakeOptionDialog<4>(this, page, " Opnemen in rapport: ",
                                  {{{"CheckBox1", "Ro&utes", true},
                                    {"CheckBox2", "&Secties", true},
                                    {"CheckBox3", "&Parkeerplaatsen", false},
                                    {"CheckBox4", "&Kentekens", false}}},
                                  buttons);
    FinishLayout(this, pages, buttons);
}

void TInvoergegRapportForm::Execute() {
    ShowModal(this);
    button1_->setFocus();
}

InputReportOptions TInvoergegRapportForm::Options() const {
    InputReportOptions options;
    options.routes = blocks_[0]->isChecked();
    options.sections = blocks_[1]->isChecked();
    options.places = blocks_[2]->isChecked();
    options.plates = blocks_[3]->isChecked();
    return options;
}

TWaarnemingsformulierForm::TWaarnemingsformulierForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("WaarnemingsformulierForm"));
    setWindowTitle(QStringLiteral("Waarnemingsformulier"));
    const DialogButtons buttons = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&OK"));
    okButton_ = buttons.ok;
    auto* body = new QWidget;
    checkBox1_ =
        MakeOptionDialog<1>(this, body, " Waarnemingsformulier genereren: ",
                            {{{"CheckBox1", "Scheiding tussen &PPE's", true}}}, buttons)[0];
    FinishLayout(this, body, buttons);
}

void TWaarnemingsformulierForm::Execute() {
    ShowModal(this);
    okButton_->setFocus();
}

ObservationFormOptions TWaarnemingsformulierForm::Options() const {
    return {.separatorBetweenSlots = checkBox1_->isChecked()};
}

}  // namespace tavoric
