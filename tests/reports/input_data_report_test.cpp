// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/input_data_report.h"

#include <gtest/gtest.h>

#include "report_test_support.h"

namespace tavoric {
namespace {

const std::string kRule43(43, '\x97');
const std::string kRule19(19, '\x97');
const std::string kRule35(35, '\x97');

Survey SmallSurvey() {
    Survey survey;
    survey.AlgemeneGegevens = GeneralValues{};
    GeneralValues& general = survey.AlgemeneGegevens;
    general.dayAndDate = "dinsdag 3 maart";
    general.weather = "Droog";
    general.observers = "Jan, Piet";
    general.startTime = "0600";
    general.endTime = "1300";
    survey.RoutesList = {"0001 Centrum                            30"};
    survey.SectiesList = {"0001 0001 Markt", "0001 0002 Kerkstraat"};
    survey.ParkeerplaatsenList = {"0001 0001 0001 V"};
    survey.KentekensList = {"0001 0001 0001 0600-0630 12AB34  ",
                            "0001 0001 0001 0630-0700        F"};
    return survey;
}

LineList Body(const Survey& survey, const InputReportOptions& options, Progress& progress) {
    ReportDocument report(1, {});
    WriteInputDataReport(report, survey, options, progress);
    return LinesAfterHeader(report, survey.AlgemeneGegevens);
}

LineList Body(const Survey& survey, const InputReportOptions& options) {
    Progress quiet;
    return Body(survey, options, quiet);
}

TEST(InputDataReport, DefaultChoicesListRoutesAndSections) {
    EXPECT_EQ(Body(SmallSurvey(), {}), (LineList{"dinsdag 3 maart",
                                                 "Weersgesteldheid: Droog",
                                                 "Uitvoerenden: Jan, Piet",
                                                 "Onderzoeksperiode van 0600 tot 1300 uur",
                                                 "",
                                                 "Routes",
                                                 kRule43,
                                                 "Rout Omschrijving                   Inerval",
                                                 kRule43,
                                                 "0001 Centrum                            30",
                                                 kRule43,
                                                 "",
                                                 "Secties",
                                                 kRule43,
                                                 "Rout Sec  Omschrijving",
                                                 kRule43,
                                                 "0001 0001 Markt",
                                                 "0001 0002 Kerkstraat",
                                                 kRule43,
                                                 ""}));
}

TEST(InputDataReport, PlacesBlockEndsWithTheTypeLegendAndPlatesAreWrittenAsStored) {
    InputReportOptions options;
    options.routes = false;
    options.sections = false;
    options.places = true;
    options.plates = true;
    const LineList body = Body(SmallSurvey(), options);
    const LineList expected = {"Parkeerplaatsen",
                               kRule19,
                               "Rout Sec  Ppl  Type",
                               kRule19,
                               "0001 0001 0001 V",
                               kRule19,
                               "Parkeerplaatstype:",
                               "V : vrij",
                               "P : particulier",
                               "B : belanghebbende",
                               "G : gereserveerd",
                               "M : parkeermeter",
                               "A : parkeerautomaat",
                               "I : illegaal",
                               "1 : type 1",
                               "2 : type 2",
                               "3 : type 3",
                               "",
                               "Kentekens",
                               kRule35,
                               "Rout Sec  Ppl  PPE       Kent   Opm",
                               kRule35,
                               "0001 0001 0001 0600-0630 12AB34  ",
                               "0001 0001 0001 0630-0700        F",
                               kRule35,
                               ""};
    ASSERT_GE(body.size(), 5u);
    EXPECT_EQ(LineList(body.begin() + 5, body.end()), expected);
}

TEST(InputDataReport, EmptyTextsAndListsKeepTheFixedLines) {
    Survey survey;
    survey.AlgemeneGegevens = GeneralValues{};
    InputReportOptions options;
    options.sections = false;
    EXPECT_EQ(Body(survey, options),
              (LineList{"Onderzoeksperiode van  tot  uur", "", "Routes", kRule43,
                        "Rout Omschrijving                   Inerval", kRule43, kRule43, ""}));

    options.routes = false;
    EXPECT_EQ(Body(survey, options), (LineList{"Onderzoeksperiode van  tot  uur", ""}));
}

TEST(InputDataReport, LegendTakesTheGivenCaptions) {
    InputReportOptions options;
    options.routes = options.sections = false;
    options.places = true;
    options.typeCaptions[0] = ": free";
    options.typeCaptions[9] = ": kind 3";
    const LineList body = Body(SmallSurvey(), options);
    EXPECT_NE(std::find(body.begin(), body.end(), "V : free"), body.end());
    EXPECT_NE(std::find(body.begin(), body.end(), "3 : kind 3"), body.end());
}

TEST(InputDataReport, OnlyThePlateLinesMoveTheProgress) {
    RecordingProgress progress;
    InputReportOptions options;
    options.places = true;
    Body(SmallSurvey(), options, progress);
    EXPECT_TRUE(progress.steps.empty());
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.hides, 1);

    options.plates = true;
    RecordingProgress withPlates;
    Body(SmallSurvey(), options, withPlates);
    using Step = std::pair<std::size_t, std::size_t>;
    EXPECT_EQ(withPlates.steps, (std::vector<Step>{{1, 2}, {2, 2}}));
    EXPECT_EQ(withPlates.hides, 1);
}

}  // namespace
}  // namespace tavoric
