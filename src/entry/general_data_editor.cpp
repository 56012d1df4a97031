// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/general_data_editor.h"

#include "entry/entry_fields.h"

namespace tavoric {

namespace {

constexpr std::size_t kTimeFieldLength = 4;

std::size_t IndexOf(GeneralField field) {
    return static_cast<std::size_t>(field);
}

bool IsTimeField(GeneralField field) {
    return field == GeneralField::StartTime || field == GeneralField::EndTime;
}

// The general value each field edits, in the order of GeneralField.
std::array<std::string*, kGeneralFieldCount> ValuesOf(GeneralValues& v) {
    return {&v.startTime, &v.endTime,   &v.surveyArea,  &v.dayAndDate,
            &v.weather,   &v.observers, &v.reportText1, &v.reportText2};
}

}  // namespace

SurveyCounts CountsOf(const Survey& survey) {
    return {survey.RoutesList.size(), survey.SectiesList.size(), survey.ParkeerplaatsenList.size(),
            survey.KentekensList.size()};
}

void GeneralDataEditor::Open(const Survey& survey) {
    GeneralValues values = survey.AlgemeneGegevens;
    const auto sources = ValuesOf(values);
    for (std::size_t i = 0; i < kGeneralFieldCount; ++i) {
        texts_[i] = *sources[i];
    }
    counts_ = CountsOf(survey);
    edited_ = false;
}

const std::string& GeneralDataEditor::Text(GeneralField field) const {
    return texts_[IndexOf(field)];
}

void GeneralDataEditor::SetText(GeneralField field, std::string_view typed) {
    if (IsTimeField(field)) {
        Store(field, TimeFieldAfterChange(SingleLineText(typed, kTimeFieldLength)));
    } else {
        Store(field, SingleLineText(typed, std::string::npos));
    }
}

void GeneralDataEditor::LeaveTimeField(GeneralField field) {
    if (IsTimeField(field)) {
        Store(field, TimeFieldAfterFocusLoss(Text(field)));
    }
}

void GeneralDataEditor::StepTimeField(GeneralField field, StepDirection direction) {
    if (IsTimeField(field)) {
        Store(field, TimeFieldAfterStep(Text(field), direction));
    }
}

void GeneralDataEditor::Store(GeneralField field, std::string text) {
    std::string& current = texts_[IndexOf(field)];
    if (current != text) {
        current = std::move(text);
        edited_ = true;
    }
}

bool GeneralDataEditor::Apply(Survey& survey) {
    LeaveTimeField(GeneralField::StartTime);
    LeaveTimeField(GeneralField::EndTime);
    const auto targets = ValuesOf(survey.AlgemeneGegevens);
    for (std::size_t i = 0; i < kGeneralFieldCount; ++i) {
        *targets[i] = texts_[i];
    }
    if (edited_) {
        survey.ProjectChanged = true;
    }
    return edited_;
}

}  // namespace tavoric
