// SPDX-License-Identifier: GPL-3.0-or-later
// Small surveys and helpers for the entry tests.
#pragma once

#include <numeric>
#include <string>

#include "core/progress.h"
#include "core/survey.h"
#include "core/text.h"

namespace tavoric::entry_test {

inline std::string Route(const std::string& number, const std::string& interval) {
    return number + " " + PadField("L", "Route " + number, " ", 35) + interval;
}

inline std::string Slot(const std::string& placeKey, const std::string& period) {
    return placeKey + " " + period;
}

// Routes 0001 (30 minutes) and 0002 (60), each with sections 0001 and 0002, each with places
// 0001 and 0002; survey 0600-0800, so four slots a place on route 0001 and two on route 0002.
inline Survey SmallSurvey() {
    Survey survey;
    survey.AlgemeneGegevens.startTime = "0600";
    survey.AlgemeneGegevens.endTime = "0800";
    survey.RoutesList = {Route("0001", "30"), Route("0002", "60")};
    for (const std::string route : {"0001", "0002"}) {
        const int interval = route == std::string("0001") ? 30 : 60;
        for (const std::string section : {"0001", "0002"}) {
            survey.SectiesList.push_back(route + " " + section + " Straat " + section);
            for (const std::string place : {"0001", "0002"}) {
                const std::string key = route + " " + section + " " + place;
                survey.ParkeerplaatsenList.push_back(key + " V");
                for (const std::string& period : PlacePeriods("0600", "0800", interval)) {
                    survey.KentekensList.push_back(Slot(key, period));
                }
            }
        }
    }
    return survey;
}

// Counts what the work asked of it and cancels after a given number of steps.
class RecordingProgress : public Progress {
public:
    explicit RecordingProgress(std::size_t cancelAfter = SIZE_MAX) : cancelAfter_(cancelAfter) {}
    void Show() override { ++shown; }
    void Set(std::size_t done, std::size_t total) override {
        ++steps;
        lastDone = done;
        lastTotal = total;
    }
    void Hide() override { ++hidden; }
    bool Cancelled() override { return steps >= cancelAfter_; }

    int shown = 0;
    int hidden = 0;
    std::size_t steps = 0;
    std::size_t lastDone = 0;
    std::size_t lastTotal = 0;

private:
    std::size_t cancelAfter_;
};

// The slots in reverse order: a list the entry must sort before use.
inline void ReverseSlots(Survey& survey) {
    std::vector<std::size_t> order(survey.KentekensList.size());
    std::iota(order.rbegin(), order.rend(), std::size_t{0});
    survey.KentekensList.Reorder(0, order);
}

}  // namespace tavoric::entry_test
