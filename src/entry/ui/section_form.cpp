// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/section_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/qt_text.h"

namespace tavoric {

TNieuweSectieForm::TNieuweSectieForm(SectionListEditor& editor, DesktopShell& shell,
                                     QWidget* parent)
    : NumberedEntryForm(editor, shell, "NieuweSectieForm", QStringLiteral(" Sectie: "),
                        TSectieForm::kHelpTopic, parent) {}

TSectieForm::TSectieForm(EntryContext context, QWidget* parent)
    : NumberedListForm(context, editor_, "SectieForm", QStringLiteral("Secties"), parent) {
    SetEntryForm(new TNieuweSectieForm(editor_, context.shell, this));
    context.shell.WhenNewProjectStarts([this] { editor_ = SectionListEditor(); });

    auto* group = Named<QGroupBox>("GroupBox1", QStringLiteral(" Secties behorende bij &route: "));
    routes_ = MakeSelectorBox("ComboBox1");
    group->setFocusProxy(routes_);
    connect(routes_, &QComboBox::activated, this, [this](int index) {
        editor_.ChooseRoute(SelectorIndex(index));
        ShowEntries();
    });
    FixedPitchList* list = MakeEntryList("SectiesListBox", {{0, "Nr."}, {5, "Omschrijving"}});
    list->List()->setMinimumSize(SelectorWidth(list->List(), 39), 240);
    auto* choice = new QVBoxLayout;
    choice->addWidget(routes_);
    choice->addWidget(list, 1);
    auto* inner = new QHBoxLayout(group);
    inner->addLayout(choice, 1);
    inner->addWidget(MakeListButtons());

    auto* allGroup = Named<QGroupBox>("GroupBox2", QStringLiteral(" Alle secties in bestand: "));
    allSections_ = new FixedPitchList(
        "AlleSectiesListBox", {{0, "Route\nnr."}, {5, "Sectie\nnr."}, {10, "Omschrijving"}});
    allSections_->List()->setMinimumWidth(SelectorWidth(allSections_->List(), 44));
    allSections_->List()->setSelectionMode(QAbstractItemView::NoSelection);
    allSections_->List()->setFocusPolicy(Qt::NoFocus);
    auto* allLayout = new QVBoxLayout(allGroup);
    allLayout->addWidget(allSections_);

    auto* lists = new QHBoxLayout;
    lists->addWidget(group, 1);
    lists->addWidget(allGroup, 1);
    const DialogButtons buttons = MakeButtons(kHelpTopic);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons.row);
}

void TSectieForm::Execute() {
    editor_.Open(context_.survey);
    FillSelector(routes_, editor_.RouteSelector());
    ShowEntries();
    ShowModal(this);
    routes_->setFocus();
}

void TSectieForm::ShowEntries() {
    NumberedListForm::ShowEntries();
    allSections_->SetLines(editor_.AllSections());
}

ApplyResult TSectieForm::ApplyEdits() {
    return editor_.Apply(context_.survey, context_.progress);
}

}  // namespace tavoric
