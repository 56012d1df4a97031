// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/section_list_editor.h"

#include "core/text.h"
#include "entry/cascade.h"
#include "entry/selectors.h"

namespace tavoric {

namespace {
constexpr NumberedListTexts kSectionTexts{"AA00085", "AA00086", "AA00087", "AA00093"};
}

SectionListEditor::SectionListEditor() : NumberedListEditor(kSectionTexts) {}

void SectionListEditor::Open(const Survey& survey) {
    routeSelector_ = RouteChoices(survey.RoutesList);
    SortIfNeeded(routeSelector_);
    allSections_ = survey.SectiesList;
    SortIfNeeded(allSections_);
    routeNumber_.clear();
    ReplaceEntries({});
    ClearFlags();
}

void SectionListEditor::ChooseRoute(std::optional<std::size_t> index) {
    routeNumber_.clear();
    if (index && *index < routeSelector_.size()) {
        routeNumber_ = ChoiceNumber(routeSelector_[*index]);
    }
    ReplaceEntries(routeNumber_.empty()
                       ? LineList{}
                       : PartsOfGroup(allSections_, RouteKey, routeNumber_, 6, std::string::npos));
}

ApplyResult SectionListEditor::Apply(Survey& survey, Progress& progress) {
    return StoreEditedList(survey, &Survey::SectiesList, allSections_, Changed(), Deleted(),
                           progress);
}

std::string SectionListEditor::EntryFromFields() const {
    return Number() + " " + Description();
}

void SectionListEditor::FieldsFromEntry(std::string_view entry) {
    SetDescription(CharsFrom(entry, 6));
}

void SectionListEditor::EntriesEdited() {
    ReplaceGroup(allSections_, RouteKey, routeNumber_, Entries());
}

}  // namespace tavoric
