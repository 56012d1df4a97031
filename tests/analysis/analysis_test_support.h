// SPDX-License-Identifier: GPL-3.0-or-later
// Small surveys built in code for the analysis tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "../core/csv_records.h"
#include "analysis/analysis_selection.h"
#include "analysis/parking_duration_analysis.h"
#include "core/clock.h"
#include "core/csv.h"
#include "core/text.h"

namespace tavoric {

class SurveyBuilder {
public:
    SurveyBuilder(std::string start, std::string end) {
        survey.AlgemeneGegevens.startTime = std::move(start);
        survey.AlgemeneGegevens.endTime = std::move(end);
    }

    SurveyBuilder& Route(const std::string& number, int interval) {
        survey.RoutesList.push_back(PadField("L", number + " Route " + number, " ", 40) +
                                    std::to_string(interval));
        return *this;
    }

    // A place "RRRR SSSS PPPP" of the given type with one slot per plate, the periods made from
    // the survey start and the route's interval; remarks[i] is the remark of slot i.
    SurveyBuilder& Place(const std::string& key, const std::string& type,
                         const std::vector<std::string>& plates, const std::string& remarks = "") {
        const std::string section = key.substr(0, 9) + " Straat";
        if (std::find(survey.SectiesList.begin(), survey.SectiesList.end(), section) ==
            survey.SectiesList.end()) {
            survey.SectiesList.push_back(section);
        }
        survey.ParkeerplaatsenList.push_back(key + " " + type);
        const int interval = RouteInterval(survey.RoutesList, key.substr(0, 4));
        std::string start = survey.AlgemeneGegevens.startTime;
        for (std::size_t i = 0; i < plates.size(); ++i) {
            const std::string end = AddMinutes(start, interval);
            const std::string remark = i < remarks.size() ? remarks.substr(i, 1) : " ";
            survey.KentekensList.push_back(
                PpeLineWithPlate(key + " " + start + "-" + end, plates[i], remark));
            start = end;
        }
        return *this;
    }

    Survey Build() {
        SortLines(survey.KentekensList);
        return survey;
    }

    Survey survey;
};

// Everything selected, as at the dialog's first opening.
inline AnalysisParameters AllSelected(const Survey& survey, ReportKind kind) {
    AnalysisSelection selection;
    selection.Open(survey);
    return selection.Parameters(survey, kind);
}

inline ReportDocument RunAnalysis(const Survey& survey, const AnalysisParameters& parameters) {
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    RunParkingDurationAnalysis(survey, parameters, report, progress);
    return report;
}

// Cells first to last of a table row joined with "|", for compact expectations.
inline std::string Cells(const ReportTable& table, int row, int first, int last) {
    std::string text;
    for (int column = first; column <= last; ++column) {
        text += column > first ? "|" : "";
        text += table.Cell(column, row);
    }
    return text;
}

// A survey of several routes with different intervals, places of every kind and random plates,
// remarks and gaps, so that every figure takes many values.
inline Survey GeneratedSurvey(unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&random](int count) {
        return static_cast<int>(random() % static_cast<unsigned>(count));
    };
    SurveyBuilder builder("0700", "1900");
    const int intervals[] = {15, 30, 60};
    for (int route = 1; route <= 3; ++route) {
        builder.Route("000" + std::to_string(route), intervals[route - 1]);
    }
    const std::string types = "VIBG";
    for (int route = 1; route <= 3; ++route) {
        for (int place = 1; place <= 12; ++place) {
            const int slots = 720 / intervals[route - 1];
            std::vector<std::string> plates;
            std::string remarks;
            std::string plate = "AA00BB";
            for (int i = 0; i < slots; ++i) {
                if (pick(4) == 0) {
                    plate = "K" + std::to_string(pick(100000));
                }
                plates.push_back(pick(3) == 0 ? "" : plate);
                remarks += " fb"[std::min(pick(12), 2)];
            }
            const std::string key = "000" + std::to_string(route) + " 000" +
                                    std::to_string(1 + place / 5) + " " +
                                    std::to_string(1000 + place);
            builder.Place(key, types.substr(static_cast<std::size_t>(pick(4)), 1), plates, remarks);
        }
    }
    return builder.Build();
}

}  // namespace tavoric
