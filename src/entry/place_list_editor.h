// SPDX-License-Identifier: GPL-3.0-or-later
// The parking places window and its new-places dialog: the places of one chosen route and
// section beside the working copy of ParkeerplaatsenList, which reaches the survey only on "&OK".
// Places are added in numbered runs of one type and deleted; they are never changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/progress.h"
#include "core/prompter.h"
#include "entry/entry_fields.h"

namespace tavoric {

constexpr int kMostPlacesPerRun = 9999;

class PlaceListEditor {
public:
    // Fills the route selector and the all-places list; nothing is chosen.
    void Open(const Survey& survey);

    const LineList& RouteSelector() const { return routeSelector_; }
    void ChooseRoute(std::optional<std::size_t> index);
    const LineList& SectionSelector() const { return sectionSelector_; }
    void ChooseSection(std::optional<std::size_t> index);

    // The chosen section's places, each its line from character 11 on, sorted.
    const LineList& Entries() const { return entries_; }
    const LineList& AllPlaces() const { return allPlaces_; }
    void SetSelected(std::size_t index, bool selected);
    bool IsSelected(std::size_t index) const;
    // "&Nieuw..." needs a chosen section, "&Verwijderen..." a selected place.
    bool CanAdd() const { return !sectionKey_.empty(); }
    bool CanDelete() const;
    bool Changed() const { return changed_; }
    bool Deleted() const { return deleted_; }

    // Opening the new-places dialog: no type, one place; the start number keeps its value.
    void StartNewPlaces();
    const std::string& StartNumber() const { return startNumber_; }
    void SetStartNumber(std::string_view typed);
    void LeaveStartNumber();
    void StepStartNumber(StepDirection direction);
    std::optional<char> Type() const { return type_; }
    void SetType(std::optional<char> code) { type_ = code; }
    int Count() const { return count_; }
    // Kept within 1 to 9999.
    void SetCount(int count);

    // "T&oevoegen": adds the run of places, or tells why not.
    bool AddPlaces(Prompter& prompter);
    // "&Verwijderen...": asks, and deletes the selected places on "&Verwijderen".
    bool DeleteSelected(Prompter& prompter);
    // Tells when a place number comes twice in the section. The window runs it whenever the
    // new-places dialog has closed and after every "&Verwijderen...", once the list shows the
    // places as they are now.
    void CheckDuplicates(Prompter& prompter) const;

    // "&OK": stores the places, removes the slots of deleted places and reminds the user to
    // generate slots for new ones.
    ApplyResult Apply(Survey& survey, Prompter& prompter, Progress& progress);

private:
    void SetEntries(LineList entries);
    void EntriesEdited();

    LineList routeSelector_;
    LineList sectionSelector_;
    LineList allSections_;
    LineList allPlaces_;
    LineList entries_;
    std::vector<bool> selected_;
    std::string routeNumber_;
    std::string sectionKey_;  // route, blank, section
    bool changed_ = false;
    bool deleted_ = false;
    std::string startNumber_ = "0001";
    std::optional<char> type_;
    int count_ = 1;
};

}  // namespace tavoric
