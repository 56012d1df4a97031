// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ppe_generation.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/clock.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "entry/entry_fields.h"

namespace tavoric {

namespace {

// The periods of each interval and the interval of each route, worked out once per generation.
class PeriodSource {
public:
    // A start time typed without leading zeros ("630") would make periods too short for the line
    // layout, so the periods start from its four-digit form.
    explicit PeriodSource(const Survey& survey)
        : survey_(survey),
          start_(TimeFieldAfterFocusLoss(survey.AlgemeneGegevens.startTime)),
          end_(survey.AlgemeneGegevens.endTime) {}

    // The periods of a place of this route; empty when the route has no usable interval.
    const std::vector<std::string>& PeriodsOfRoute(std::string_view route) {
        auto known = intervals_.find(route);
        if (known == intervals_.end()) {
            const int interval = RouteInterval(survey_.RoutesList, route);
            known = intervals_.emplace(std::string(route), interval).first;
        }
        const int interval = known->second;
        auto periods = periods_.find(interval);
        if (periods == periods_.end()) {
            periods = periods_.emplace(interval, PlacePeriods(start_, end_, interval)).first;
        }
        return periods->second;
    }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    const Survey& survey_;
    std::string start_;
    std::string end_;
    std::unordered_map<std::string, int, Hash, std::equal_to<>> intervals_;
    std::unordered_map<int, std::vector<std::string>> periods_;
};

}  // namespace

void PpeGenerator::Open(const Survey& survey) {
    places_ = survey.ParkeerplaatsenList;
    SortIfNeeded(places_);
    selected_.assign(places_.size(), true);
    preview_.clear();
    state_ = State::Selecting;
}

void PpeGenerator::SetSelected(std::size_t index, bool selected) {
    if (CanGenerate() && index < selected_.size()) {
        selected_[index] = selected;
    }
}

bool PpeGenerator::IsSelected(std::size_t index) const {
    return index < selected_.size() && selected_[index];
}

bool PpeGenerator::Generate(const Survey& survey, Progress& progress, Prompter& prompter) {
    if (!CanGenerate()) {
        return false;
    }
    const std::optional<std::size_t> skipped = MakePreview(survey, progress);
    if (!skipped) {
        preview_.clear();
        return false;
    }
    state_ = State::Previewed;
    if (*skipped > 0) {
        WarningNotice(prompter, FormatText(MessageText("AA00201"), {std::to_string(*skipped)}));
    }
    return true;
}

std::optional<std::size_t> PpeGenerator::MakePreview(const Survey& survey, Progress& progress) {
    ProgressScope shown(progress);
    PeriodSource source(survey);
    preview_.clear();
    std::size_t skipped = 0;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        if (selected_[i]) {
            const std::string_view key = PlaceKey(places_[i]);
            const std::vector<std::string>& periods = source.PeriodsOfRoute(RouteKey(key));
            skipped += periods.empty() ? 1 : 0;
            for (const std::string& period : periods) {
                preview_.push_back(std::string(key) + " " + period);
            }
        }
        progress.Set(i + 1, places_.size());
        if (progress.Cancelled()) {
            return std::nullopt;
        }
    }
    return skipped;
}

bool PpeGenerator::Apply(Survey& survey, Progress& progress, Prompter& prompter) {
    if (!CanApply()) {
        return false;
    }
    if (!survey.KentekensList.empty()) {
        const ButtonCaptions captions{MessageText("ZB00021"), MessageText("ZB00022"), "",
                                      MessageText("ZB00013")};
        if (Question(prompter, "", MessageText("AA00091"), captions, kDefaultNo) != kYes) {
            return false;
        }
    }
    ProgressScope shown(progress);
    std::unordered_set<std::string_view> replaced;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        if (selected_[i]) {
            replaced.insert(PlaceKey(places_[i]));
        }
    }
    LineBuffer& lines = survey.KentekensList;
    RemoveLinesWhere(
        lines, [&](std::string_view line) { return replaced.contains(PlaceKey(line)); }, progress);
    const std::size_t kept = lines.size();
    std::size_t previewBytes = 0;
    for (const std::string& line : preview_) {
        previewBytes += line.size();
    }
    lines.reserve(preview_.size(), previewBytes);
    for (const std::string& line : preview_) {
        lines.push_back(line);
    }
    preview_.clear();
    SortIfNeeded(lines, kept);
    state_ = State::Applied;
    survey.ProjectChanged = true;
    return true;
}

}  // namespace tavoric
