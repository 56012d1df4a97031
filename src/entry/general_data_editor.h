// SPDX-License-Identifier: GPL-3.0-or-later
// The general data dialog: the survey period, the six texts that describe the survey and head
// its reports, and how much data the project holds.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/survey.h"

namespace tavoric {

enum class GeneralField {
    StartTime,
    EndTime,
    SurveyArea,
    DayAndDate,
    Weather,
    Observers,
    ReportText1,
    ReportText2,
};
constexpr std::size_t kGeneralFieldCount = 8;

struct SurveyCounts {
    std::size_t routes = 0;
    std::size_t sections = 0;
    std::size_t places = 0;
    std::size_t ppe = 0;
};
SurveyCounts CountsOf(const Survey& survey);

class GeneralDataEditor {
public:
    // Fills the fields and the counts; filling is not an edit.
    void Open(const Survey& survey);

    const std::string& Text(GeneralField field) const;
    // A typed change. Time fields keep at most 4 characters and follow the time field's rules.
    void SetText(GeneralField field, std::string_view typed);
    // A time field loses the focus: "630" becomes "0630".
    void LeaveTimeField(GeneralField field);
    void StepTimeField(GeneralField field, StepDirection direction);

    bool Edited() const { return edited_; }
    const SurveyCounts& Counts() const { return counts_; }

    // "&OK": both times take their four-digit form, the texts are stored, and an edit marks the
    // project changed. Returns whether it did.
    bool Apply(Survey& survey);

private:
    void Store(GeneralField field, std::string text);

    std::array<std::string, kGeneralFieldCount> texts_;
    SurveyCounts counts_;
    bool edited_ = false;
};

}  // namespace tavoric
