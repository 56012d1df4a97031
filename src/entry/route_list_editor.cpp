// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/route_list_editor.h"

#include "core/message_texts.h"
#include "core/text.h"
#include "entry/cascade.h"

namespace tavoric {

namespace {
constexpr NumberedListTexts kRouteTexts{"AA00080", "AA00082", "AA00084", "AA00092"};
}

RouteListEditor::RouteListEditor() : NumberedListEditor(kRouteTexts) {}

void RouteListEditor::Open(const Survey& survey) {
    ReplaceEntries(survey.RoutesList);
    ClearFlags();
}

void RouteListEditor::SetInterval(std::string_view typed) {
    interval_ = DigitsOnly(typed, kIntervalFieldLength);
}

void RouteListEditor::StepInterval(StepDirection direction) {
    interval_ = tavoric::StepInterval(interval_, direction);
}

ApplyResult RouteListEditor::Apply(Survey& survey, Progress& progress) {
    return StoreEditedList(survey, &Survey::RoutesList, Entries(), Changed(), Deleted(), progress);
}

bool RouteListEditor::FieldsComplete(Prompter& prompter) const {
    if (interval_.empty()) {
        ErrorNotice(prompter, MessageText("AA00318"));
        return false;
    }
    return true;
}

std::string RouteListEditor::EntryFromFields() const {
    return RouteLine(Number(), Description(), interval_);
}

void RouteListEditor::FieldsFromEntry(std::string_view entry) {
    SetDescription(RouteDescription(entry));
    interval_ = CharsFrom(entry, 41);
}

std::string RouteLine(std::string_view number, std::string_view description,
                      std::string_view interval) {
    return std::string(number) + " " + PadField("L", description, " ", 35) + std::string(interval);
}

}  // namespace tavoric
