// SPDX-License-Identifier: GPL-3.0-or-later
// Generating the parking place units (PPE): one KentekensList line per selected place and
// observation period, previewed first and applied on "&OK", replacing the place's lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/progress.h"
#include "core/prompter.h"
#include "core/survey.h"

namespace tavoric {

class PpeGenerator {
public:
    enum class State { Selecting, Previewed, Applied };

    // Lists every place, all selected; the preview is empty.
    void Open(const Survey& survey);

    const LineList& Places() const { return places_; }
    void SetSelected(std::size_t index, bool selected);
    bool IsSelected(std::size_t index) const;
    State CurrentState() const { return state_; }
    // "&PPE" and the place list work while selecting, "&OK" once previewed.
    bool CanGenerate() const { return state_ == State::Selecting; }
    bool CanApply() const { return state_ == State::Previewed; }

    // "&PPE": makes the lines of the selected places, in list order, stopping after the current
    // place when the user cancels (then false: the dialog closes without change). Places whose
    // route has no usable interval get no lines; one warning tells how many.
    bool Generate(const Survey& survey, Progress& progress, Prompter& prompter);
    const LineList& Preview() const { return preview_; }

    // "&OK": after the question when slots exist, the selected places' lines are replaced by the
    // preview and the list is sorted. Returns whether the survey changed.
    bool Apply(Survey& survey, Progress& progress, Prompter& prompter);

private:
    // The preview of the selected places and how many were skipped; nothing when cancelled.
    std::optional<std::size_t> MakePreview(const Survey& survey, Progress& progress);

    LineList places_;
    std::vector<bool> selected_;
    LineList preview_;
    State state_ = State::Selecting;
};

}  // namespace tavoric
