// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/numbered_list_form.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "desktop/busy_cursor.h"
#include "entry/ui/numbered_entry_form.h"

namespace tavoric {

NumberedListForm::NumberedListForm(EntryContext context, NumberedListEditor& editor,
                                   const char* objectName, const QString& caption, QWidget* parent)
    : QDialog(parent), context_(context), editor_(editor) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
}

FixedPitchList* NumberedListForm::MakeEntryList(const char* name,
                                                const std::vector<ColumnHeading>& headings) {
    entries_ = new FixedPitchList(name, headings);
    QListWidget* list = entries_->List();
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        editor_.Select(entries_->CurrentIndex());
        UpdateButtons();
    });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this] { OpenEntryForm(EntryMode::Change); });
    return entries_;
}

QWidget* NumberedListForm::MakeListButtons() {
    auto* panel = new QWidget;
    newButton_ = Named<QPushButton>("SpeedButton1", QStringLiteral("&Nieuw..."));
    changeButton_ = Named<QPushButton>("SpeedButton2", QStringLiteral("&Wijzigen..."));
    deleteButton_ = Named<QPushButton>("SpeedButton3", QStringLiteral("&Verwijderen..."));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {newButton_, changeButton_, deleteButton_}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(newButton_, &QPushButton::clicked, this, [this] { OpenEntryForm(EntryMode::New); });
    connect(changeButton_, &QPushButton::clicked, this,
            [this] { OpenEntryForm(EntryMode::Change); });
    connect(deleteButton_, &QPushButton::clicked, this, &NumberedListForm::DeleteSelected);
    return panel;
}

DialogButtons NumberedListForm::MakeButtons(int helpTopic) {
    const DialogButtons buttons = MakeDialogButtons(this, helpTopic, QStringLiteral("&OK"));
    okButton_ = buttons.ok;
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    return buttons;
}

void NumberedListForm::SetEntryForm(NumberedEntryForm* form) {
    entryForm_ = form;
    connect(entryForm_, &NumberedEntryForm::ListChanged, this, &NumberedListForm::ShowEntries);
}

void NumberedListForm::ShowEntries() {
    // Refilling the list clears its selection, which would clear the editor's: the entry just
    // added or changed is to stay the current, selected row.
    const std::optional<std::size_t> selected = editor_.Selected();
    {
        const QSignalBlocker quiet(entries_->List());
        entries_->SetLines(editor_.Entries());
        if (selected) {
            const int row = static_cast<int>(*selected);
            entries_->List()->setCurrentRow(row);
            entries_->List()->scrollToItem(entries_->List()->item(row));
        }
    }
    editor_.Select(selected);
    UpdateButtons();
}

void NumberedListForm::UpdateButtons() {
    newButton_->setEnabled(editor_.CanAdd());
    changeButton_->setEnabled(editor_.HasSelection());
    deleteButton_->setEnabled(editor_.HasSelection());
}

void NumberedListForm::OpenEntryForm(EntryMode mode) {
    entryForm_->Execute(mode);
}

void NumberedListForm::DeleteSelected() {
    if (editor_.DeleteSelected(context_.shell.CurrentPrompter())) {
        ShowEntries();
    }
}

void NumberedListForm::accept() {
    if (editor_.Changed()) {
        BusyCursor busy;
        ReportApplied(context_.shell, ApplyEdits());
    }
    QDialog::accept();
}

}  // namespace tavoric
