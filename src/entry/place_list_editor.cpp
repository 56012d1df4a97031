// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/place_list_editor.h"

#include <algorithm>

#include "core/message_texts.h"
#include "core/text.h"
#include "entry/cascade.h"
#include "entry/selectors.h"

namespace tavoric {

namespace {
constexpr std::size_t kEntryLength = 35;
}

void PlaceListEditor::Open(const Survey& survey) {
    routeSelector_ = RouteChoices(survey.RoutesList);
    SortIfNeeded(routeSelector_);
    allSections_ = survey.SectiesList;
    allPlaces_ = survey.ParkeerplaatsenList;
    SortIfNeeded(allPlaces_);
    ChooseRoute(std::nullopt);
    changed_ = deleted_ = false;
}

void PlaceListEditor::ChooseRoute(std::optional<std::size_t> index) {
    routeNumber_.clear();
    sectionSelector_.clear();
    if (index && *index < routeSelector_.size()) {
        routeNumber_ = ChoiceNumber(routeSelector_[*index]);
        sectionSelector_ = SectionChoices(allSections_, routeNumber_);
        SortIfNeeded(sectionSelector_);
    }
    ChooseSection(std::nullopt);
}

void PlaceListEditor::ChooseSection(std::optional<std::size_t> index) {
    sectionKey_.clear();
    if (index && *index < sectionSelector_.size()) {
        sectionKey_ = routeNumber_ + " " + std::string(ChoiceNumber(sectionSelector_[*index]));
    }
    SetEntries(sectionKey_.empty()
                   ? LineList{}
                   : PartsOfGroup(allPlaces_, SectionKey, sectionKey_, 11, kEntryLength));
}

void PlaceListEditor::SetEntries(LineList entries) {
    entries_ = std::move(entries);
    SortIfNeeded(entries_);
    selected_.assign(entries_.size(), false);
}

void PlaceListEditor::SetSelected(std::size_t index, bool selected) {
    if (index < selected_.size()) {
        selected_[index] = selected;
    }
}

bool PlaceListEditor::IsSelected(std::size_t index) const {
    return index < selected_.size() && selected_[index];
}

bool PlaceListEditor::CanDelete() const {
    return std::find(selected_.begin(), selected_.end(), true) != selected_.end();
}

void PlaceListEditor::StartNewPlaces() {
    type_.reset();
    count_ = 1;
}

void PlaceListEditor::SetStartNumber(std::string_view typed) {
    startNumber_ = DigitsOnly(typed, kNumberFieldLength);
}

void PlaceListEditor::LeaveStartNumber() {
    startNumber_ = FourDigitNumber(startNumber_);
}

void PlaceListEditor::StepStartNumber(StepDirection direction) {
    startNumber_ = StepNumber(startNumber_, direction);
}

void PlaceListEditor::SetCount(int count) {
    count_ = std::clamp(count, 1, kMostPlacesPerRun);
}

bool PlaceListEditor::AddPlaces(Prompter& prompter) {
    if (!CanAdd()) {
        return false;
    }
    LeaveStartNumber();
    const int first = IntegerOrZero(startNumber_);
    const int last = first + count_ - 1;
    bool added = false;
    if (!type_) {
        ErrorNotice(prompter, MessageText("AA00079"));
    } else if (last > kHighestNumber) {
        ErrorNotice(prompter,
                    FormatText(MessageText("AA00200"), {startNumber_, std::to_string(last)}));
    } else {
        LineList entries = std::move(entries_);
        for (int number = first; number <= last; ++number) {
            entries.push_back(FourDigitNumber(number) + " " + *type_);
        }
        SetEntries(std::move(entries));
        EntriesEdited();
        added = true;
    }
    return added;
}

void PlaceListEditor::CheckDuplicates(Prompter& prompter) const {
    const auto samePlace = [](const std::string& a, const std::string& b) {
        return ChoiceNumber(a) == ChoiceNumber(b);
    };
    if (std::adjacent_find(entries_.begin(), entries_.end(), samePlace) != entries_.end()) {
        ErrorNotice(prompter, MessageText("AA00088"));
    }
}

bool PlaceListEditor::DeleteSelected(Prompter& prompter) {
    const bool deleted = CanDelete() && ConfirmDeletion(prompter, "AA00089");
    if (deleted) {
        LineList kept;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (!selected_[i]) {
                kept.push_back(std::move(entries_[i]));
            }
        }
        SetEntries(std::move(kept));
        EntriesEdited();
        deleted_ = true;
    }
    return deleted;
}

void PlaceListEditor::EntriesEdited() {
    ReplaceGroup(allPlaces_, SectionKey, sectionKey_, entries_);
    changed_ = true;
}

ApplyResult PlaceListEditor::Apply(Survey& survey, Prompter& prompter, Progress& progress) {
    const ApplyResult result = StoreEditedList(survey, &Survey::ParkeerplaatsenList, allPlaces_,
                                               changed_, deleted_, progress);
    if (result.projectChanged) {
        InformationNotice(prompter, MessageText("AA00090"));
    }
    return result;
}

}  // namespace tavoric
