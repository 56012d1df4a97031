// SPDX-License-Identifier: GPL-3.0-or-later
// Every report that shows figures or the survey's structure must read exactly the same after the
// plates have been replaced by codes.
#include <gtest/gtest.h>

#include <functional>

#include "../analysis/analysis_test_support.h"
#include "core/demo_survey.h"
#include "core/message_texts.h"
#include "privacy/pseudonymise.h"
#include "privacy_test_support.h"
#include "reports/export.h"
#include "reports/input_data_report.h"
#include "reports/notes_report.h"
#include "reports/observation_form.h"

namespace tavoric {
namespace {

using Selection = std::function<void(AnalysisParameters&)>;

// The selections a user can make that change what the analysis walks.
std::vector<Selection> Selections(const Survey& survey) {
    const std::string firstRoute(RouteKey(survey.RoutesList.front()));
    return {
        [](AnalysisParameters&) {},
        [firstRoute](AnalysisParameters& p) {
            std::erase_if(p.selectedPlaces,
                          [&](const std::string& place) { return RouteKey(place) != firstRoute; });
        },
        [](AnalysisParameters& p) {
            p.windowStart = "0700";
            p.windowEnd = "1015";
        },
        [](AnalysisParameters& p) {
            p.selectedTypes.resize(std::min<std::size_t>(p.selectedTypes.size(), 2));
            p.countIllegalInPpl = false;
            p.countIllegalInPpe = false;
        },
    };
}

// The interval report's detail list names the vehicles by plate: its plate column is left out.
LineList WithoutDetailPlates(LineList lines) {
    const auto detail = std::find(lines.begin(), lines.end(), MessageText("AA00070"));
    for (auto line = detail; line != lines.end(); ++line) {
        const std::size_t plate = line->rfind(';');
        if (plate != std::string::npos) {
            line->resize(plate + 1);
        }
    }
    return lines;
}

// Every report of the survey, each as the text and table the user can save.
std::vector<std::string> ReportTexts(const Survey& survey) {
    std::vector<std::string> texts;
    const auto add = [&texts](const ReportDocument& report, const LineList& lines) {
        std::string text;
        for (const std::string& line : lines) {
            text += line + "\r\n";
        }
        texts.push_back(text);
        texts.push_back(ReportCsvContent(report.Table()));
    };
    for (const Selection& select : Selections(survey)) {
        for (const ReportKind kind : {ReportKind::PerPlace, ReportKind::PerInterval}) {
            for (const bool variant : {false, true}) {
                AnalysisParameters parameters = AllSelected(survey, kind);
                parameters.addDetailList = true;
                parameters.sortByVehicles = variant;
                parameters.countIllegalInPpe = !variant;
                select(parameters);
                const ReportDocument report = RunAnalysis(survey, parameters);
                add(report, WithoutDetailPlates(report.Lines()));
            }
        }
    }
    Progress quiet;
    ReportDocument form(1, {});
    WriteObservationForm(form, survey, {}, quiet);
    add(form, form.Lines());
    ReportDocument notes(1, {});
    WriteNotesReport(notes, survey);
    add(notes, notes.Lines());
    return texts;
}

// The input data report with the plate columns (characters 26-31) blanked out.
LineList InputReportWithoutPlates(const Survey& survey) {
    ReportDocument report(1, {});
    Progress quiet;
    WriteInputDataReport(report, survey, {true, true, true, true}, quiet);
    LineList lines = report.Lines();
    for (std::string& line : lines) {
        if (line.size() > 25) {
            const std::size_t width = std::min<std::size_t>(6, line.size() - 25);
            line.replace(25, width, std::string(width, '#'));
        }
    }
    return lines;
}

void ExpectSameReports(const Survey& original) {
    Survey coded = original;
    const PseudonymiseResult result = PseudonymiseSurvey(coded, TestKey(), {});
    ASSERT_TRUE(result.summary) << result.message;
    // Every plate became another text.
    std::size_t plates = 0;
    for (std::size_t i = 0; i < original.KentekensList.size(); ++i) {
        const std::string_view plate = TrimBlanks(PpePlate(original.KentekensList[i]));
        if (!plate.empty()) {
            ++plates;
            EXPECT_NE(TrimBlanks(PpePlate(coded.KentekensList[i])), plate);
        }
    }
    EXPECT_EQ(result.summary->replacedPlates, plates);
    const std::vector<std::string> before = ReportTexts(original);
    const std::vector<std::string> after = ReportTexts(coded);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i], after[i]) << "report " << i;
    }
    EXPECT_EQ(InputReportWithoutPlates(original), InputReportWithoutPlates(coded));
}

TEST(ReportIdentity, GeneratedSurveysOfEverySize) {
    for (const int places : {1, 3, 40, 700}) {
        SCOPED_TRACE(places);
        DemoOptions options;
        options.places = places;
        options.seed = static_cast<std::uint64_t>(places);
        ExpectSameReports(MakeDemoSurvey(options));
    }
}

// What only hand-made files hold: fields with leading blanks (no vehicle per place, a vehicle
// per interval), the same text with and without them, lines that end inside the plate field,
// letter case, inner blanks and a vehicle that returns.
TEST(ReportIdentity, HandMadePlateFields) {
    Survey survey = SurveyBuilder("0600", "1200")
                        .Route("0001", 60)
                        .Place("0001 0001 0001", "V", {"AB12CD", "AB12CD", " B12CD", "B12CD"})
                        .Place("0001 0001 0002", "I", {"ab12cd", "AB12CD", "AB 1", "AB 1"}, "F B")
                        .Place("0001 0001 0003", "P", {"     Q", "Q", "  XY", "XY"})
                        .Place("0001 0001 0004", "V", {"B12CD", "", "B12CD", "  B12C"})
                        .Build();
    // Lines of the last place that end inside the plate field.
    LineBuffer& slots = survey.KentekensList;
    slots.Set(13, std::string(slots[13].substr(0, 24)) + " XY");
    slots.Set(15, std::string(slots[15].substr(0, 24)) + " B12C");
    ExpectSameReports(survey);
}

}  // namespace
}  // namespace tavoric
