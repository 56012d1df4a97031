// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/numbered_list_editor.h"

#include "core/message_texts.h"
#include "entry/entry_fields.h"
#include "entry/selectors.h"

namespace tavoric {

void NumberedListEditor::Select(std::optional<std::size_t> index) {
    selected_ = index && *index < entries_.size() ? index : std::nullopt;
}

const std::string* NumberedListEditor::SelectedEntry() const {
    return selected_ && *selected_ < entries_.size() ? &entries_[*selected_] : nullptr;
}

std::optional<std::size_t> NumberedListEditor::Selected() const {
    return SelectedEntry() ? selected_ : std::nullopt;
}

bool NumberedListEditor::StartDialog(EntryMode mode) {
    if (mode == EntryMode::Change) {
        const std::string* entry = SelectedEntry();
        if (entry == nullptr) {
            return false;
        }
        number_ = std::string(ChoiceNumber(*entry));
        FieldsFromEntry(*entry);
    } else if (!CanAdd()) {
        return false;
    } else if (!entries_.empty()) {
        // The entries are sorted, so the last holds the highest number in use.
        number_ =
            tavoric::StepNumber(std::string(ChoiceNumber(entries_.back())), StepDirection::Up);
    }
    mode_ = mode;
    return true;
}

const std::string& NumberedListEditor::DialogTitle() const {
    return MessageText(mode_ == EntryMode::New ? texts_.newTitle : texts_.changeTitle);
}

const std::string& NumberedListEditor::DialogButtonCaption() const {
    return MessageText(mode_ == EntryMode::New ? "AA00081" : "AA00083");
}

void NumberedListEditor::SetNumber(std::string_view typed) {
    number_ = DigitsOnly(typed, kNumberFieldLength);
}

void NumberedListEditor::LeaveNumber() {
    number_ = FourDigitNumber(number_);
}

void NumberedListEditor::StepNumber(StepDirection direction) {
    number_ = tavoric::StepNumber(number_, direction);
}

void NumberedListEditor::SetDescription(std::string_view typed) {
    description_ = SingleLineText(typed, kDescriptionLength);
}

bool NumberedListEditor::NumberExists() const {
    for (const std::string& entry : entries_) {
        if (ChoiceNumber(entry) == number_) {
            return true;
        }
    }
    return false;
}

bool NumberedListEditor::ApplyDialog(Prompter& prompter) {
    const std::string* changed = SelectedEntry();
    if (mode_ == EntryMode::Change ? changed == nullptr : !CanAdd()) {
        return false;
    }
    LeaveNumber();
    if (!FieldsComplete(prompter)) {
        return false;
    }
    const bool sameEntry = mode_ == EntryMode::Change && ChoiceNumber(*changed) == number_;
    if (!sameEntry && NumberExists()) {
        ErrorNotice(prompter, MessageText(texts_.duplicate));
        return false;
    }
    if (mode_ == EntryMode::Change) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    }
    selected_ = InsertSorted(entries_, EntryFromFields());
    changed_ = true;
    EntriesEdited();
    return true;
}

bool NumberedListEditor::DeleteSelected(Prompter& prompter) {
    if (SelectedEntry() == nullptr || !ConfirmDeletion(prompter, texts_.deleteQuestion)) {
        return false;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    selected_.reset();
    changed_ = deleted_ = true;
    EntriesEdited();
    return true;
}

void NumberedListEditor::ReplaceEntries(LineList entries) {
    entries_ = std::move(entries);
    SortIfNeeded(entries_);
    selected_.reset();
}

}  // namespace tavoric
