// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/route_form.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/qt_text.h"
#include "entry/entry_fields.h"

namespace tavoric {

TNieuweRouteForm::TNieuweRouteForm(RouteListEditor& editor, DesktopShell& shell, QWidget* parent)
    : NumberedEntryForm(editor, shell, "NieuweRouteForm", QStringLiteral(" Route: "),
                        TRouteForm::kHelpTopic, parent),
      routes_(editor) {
    interval_ = new FieldEdit("Edit3", kIntervalFieldLength, true);
    interval_->setFixedWidth(interval_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    auto* spin = new SpinButton("SpinButton2");
    spin->AttachTo(interval_);
    connect(interval_, &QLineEdit::textEdited, this, [this](const QString& text) {
        routes_.SetInterval(FromQString(text));
        ShowText(interval_, routes_.Interval());
    });
    connect(spin, &SpinButton::Stepped, this, [this](StepDirection direction) {
        routes_.StepInterval(direction);
        ShowText(interval_, routes_.Interval());
    });
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    row->addWidget(interval_);
    row->addWidget(spin);
    row->addStretch();
    Fields()->addRow(
        LabelFor("Label3", QStringLiteral("&Waarnemings-\ninterval (min.):"), interval_), row);
}

void TNieuweRouteForm::FillExtraFields() {
    ShowText(interval_, routes_.Interval());
}

TRouteForm::TRouteForm(EntryContext context, QWidget* parent)
    : NumberedListForm(context, editor_, "RouteForm", QStringLiteral("Routes"), parent) {
    SetEntryForm(new TNieuweRouteForm(editor_, context.shell, this));
    context.shell.WhenNewProjectStarts([this] { editor_ = RouteListEditor(); });

    auto* group = Named<QGroupBox>(
        "GroupBox1",
        QStringLiteral(" &Routes in bestand (routes die door de waarnemer zijn gelopen): "));
    FixedPitchList* list = MakeEntryList(
        "RoutesListBox", {{0, "Nr."}, {5, "Omschrijving"}, {40, "Waarnemings-\ninterval (min.)"}});
    list->List()->setMinimumSize(
        list->List()->fontMetrics().horizontalAdvance(QString(58, QLatin1Char('0'))), 260);
    auto* inner = new QHBoxLayout(group);
    inner->addWidget(list, 1);
    inner->addWidget(MakeListButtons());

    const DialogButtons buttons = MakeButtons(kHelpTopic);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons.row);
}

void TRouteForm::Execute() {
    editor_.Open(context_.survey);
    ShowEntries();
    ShowModal(this);
    okButton_->setFocus();
}

ApplyResult TRouteForm::ApplyEdits() {
    return editor_.Apply(context_.survey, context_.progress);
}

}  // namespace tavoric
