// SPDX-License-Identifier: GPL-3.0-or-later
// The working copy behind the route and section windows: a sorted list whose entries begin with
// a four-digit number that is unique in the list, a single selection, the changed and deleted
// flags, and the fields of the new/change dialog, which keep their values between openings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/prompter.h"
#include "core/survey.h"

namespace tavoric {

enum class EntryMode { New, Change };

// The message keys of one kind of entry.
struct NumberedListTexts {
    const char* newTitle;        // "Nieuwe route"
    const char* changeTitle;     // "Route wijzigen"
    const char* duplicate;       // "Routenummer bestaat al."
    const char* deleteQuestion;  // "Route met bijbehorende ... verwijderen?"
};

class NumberedListEditor {
public:
    explicit NumberedListEditor(const NumberedListTexts& texts) : texts_(texts) {}
    virtual ~NumberedListEditor() = default;

    const LineList& Entries() const { return entries_; }
    // The selected entry's index; nothing when no entry is selected.
    std::optional<std::size_t> Selected() const;
    // An index past the end selects nothing.
    void Select(std::optional<std::size_t> index);
    // "&Wijzigen..." and "&Verwijderen..." need a selected entry.
    bool HasSelection() const { return SelectedEntry() != nullptr; }
    bool Changed() const { return changed_; }
    bool Deleted() const { return deleted_; }

    // "&Nieuw..." is possible; a list that belongs to a chosen parent needs that choice.
    virtual bool CanAdd() const { return true; }
    // Prepares the dialog: "Nieuw" proposes the next free number (the highest in use plus one)
    // when the list has entries; "Wijzigen" takes the selected entry. Refused (false) when the mode
    // is not possible now.
    bool StartDialog(EntryMode mode);
    EntryMode Mode() const { return mode_; }
    bool NumberEditable() const { return mode_ == EntryMode::New; }
    const std::string& DialogTitle() const;
    const std::string& DialogButtonCaption() const;

    const std::string& Number() const { return number_; }
    void SetNumber(std::string_view typed);
    // Leaving the number field brings it to four digits.
    void LeaveNumber();
    void StepNumber(StepDirection direction);
    const std::string& Description() const { return description_; }
    void SetDescription(std::string_view typed);

    // "T&oevoegen" / "&Wijzigen": adds or replaces the entry, or tells that its number exists.
    // The dialog closes either way; returns whether the list changed.
    bool ApplyDialog(Prompter& prompter);
    // "&Verwijderen...": asks, and deletes the selected entry on "&Verwijderen".
    bool DeleteSelected(Prompter& prompter);

protected:
    // The entry the dialog's fields make, and the fields an entry gives in mode "Wijzigen".
    // FieldsComplete tells, with a notice, when the fields cannot make an entry.
    virtual bool FieldsComplete(Prompter&) const { return true; }
    virtual std::string EntryFromFields() const = 0;
    virtual void FieldsFromEntry(std::string_view entry) = 0;
    // Runs after every add, change or delete.
    virtual void EntriesEdited() {}

    // New entries for the list; the selection goes, the flags stay.
    void ReplaceEntries(LineList entries);
    void ClearFlags() { changed_ = deleted_ = false; }

private:
    // The selected entry, checked against the list as it is now; nullptr when none.
    const std::string* SelectedEntry() const;
    bool NumberExists() const;

    NumberedListTexts texts_;
    LineList entries_;
    std::optional<std::size_t> selected_;
    bool changed_ = false;
    bool deleted_ = false;
    EntryMode mode_ = EntryMode::New;
    std::string number_ = "0001";
    std::string description_;
};

}  // namespace tavoric
