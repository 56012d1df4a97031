// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/observation_form.h"

#include <gtest/gtest.h>

#include "report_test_support.h"

namespace tavoric {
namespace {

const std::string kRule(50, '\x97');
const std::string kDots(50, '.');

Survey SurveyWithSlots(LineList slots) {
    Survey survey;
    survey.KentekensList = LineBuffer(slots);
    return survey;
}

// The slot lines of the form: what follows its fifteen head lines.
LineList FormSlots(const Survey& survey, bool separator) {
    ReportDocument report(1, {});
    Progress quiet;
    WriteObservationForm(report, survey, {.separatorBetweenSlots = separator}, quiet);
    const LineList body = LinesAfterHeader(report, survey.AlgemeneGegevens);
    if (body.size() < 15) {
        ADD_FAILURE() << "no form head";
        return body;
    }
    return LineList(body.begin() + 15, body.end());
}

const LineList kThreePeriods = {"0001 0001 0001 0600-0630", "0001 0001 0001 0630-0700 12AB34 F",
                                "0001 0001 0001 0700-0730", "0001 0001 0002 0600-0630"};

TEST(ObservationForm, HeadHasBlankFieldsTheRemarkLegendAndTheColumns) {
    ReportDocument report(1, {});
    Progress quiet;
    const Survey survey = SurveyWithSlots({});
    WriteObservationForm(report, survey, {}, quiet);
    EXPECT_EQ(LinesAfterHeader(report, survey.AlgemeneGegevens),
              (LineList{kRule, "Waarnemer:", kRule, "Datum:", kRule, "Weersgesteldheid:", kRule, "",
                        "Opmerking:  F = Fout geparkeerd",
                        "            B = Parkeerplaats geblokkeerd", "", "", kRule,
                        "Rout Sec  Ppl  PPE       Kenteken        Opmerking", kRule, kRule, ""}));
}

TEST(ObservationForm, DotsSeparateSlotsOfOnePlaceAndRulesSeparatePlaces) {
    EXPECT_EQ(FormSlots(SurveyWithSlots(kThreePeriods), true),
              (LineList{"0001 0001 0001 0600-0630", kDots, "0001 0001 0001 0630-0700", kDots,
                        "0001 0001 0001 0700-0730", kRule, "0001 0001 0002 0600-0630", kRule, ""}));
    EXPECT_EQ(FormSlots(SurveyWithSlots(kThreePeriods), false),
              (LineList{"0001 0001 0001 0600-0630", "0001 0001 0001 0630-0700",
                        "0001 0001 0001 0700-0730", kRule, "0001 0001 0002 0600-0630", kRule, ""}));
}

TEST(ObservationForm, PlacesThatAreNotAdjacentAreSeparatedWhereverTheKeyChanges) {
    const LineList slots = {"0001 0001 0001 0600-0630", "0001 0001 0002 0600-0630",
                            "0001 0001 0001 0630-0700", "0001 0001 0001 0700"};
    EXPECT_EQ(FormSlots(SurveyWithSlots(slots), true),
              (LineList{"0001 0001 0001 0600-0630", kRule, "0001 0001 0002 0600-0630", kRule,
                        "0001 0001 0001 0630-0700", kDots, "0001 0001 0001 0700", kRule, ""}));
}

TEST(ObservationForm, ProgressCountsTheSlots) {
    ReportDocument report(1, {});
    RecordingProgress progress;
    WriteObservationForm(report, SurveyWithSlots(kThreePeriods), {}, progress);
    ASSERT_EQ(progress.steps.size(), 4u);
    EXPECT_EQ(progress.steps.back(), std::make_pair(std::size_t{4}, std::size_t{4}));
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.hides, 1);
}

}  // namespace
}  // namespace tavoric
