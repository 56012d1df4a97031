#include "entry/ppe_generation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/scripted_prompter.h"
#include "test_survey.h"

namespace tavoric {
namespace {

using testing::RecordingProgress;
using testing::Route;
using testing::SmallSurvey;

// A survey of places without slots.
Survey PlacesOnly() {
    Survey survey = SmallSurvey();
    survey.KentekensList.clear();
    return survey;
}

TEST(PpeGenerator, MakesThePeriodsOfEachPlaceFromItsRoute) {
    Survey survey = PlacesOnly();
    survey.AlgemeneGegevens.startTime = "0800";
    survey.AlgemeneGegevens.endTime = "0900";
    survey.RoutesList[0] = Route("0001", "25");
    PpeGenerator generator;
    ScriptedPrompter prompter;
    RecordingProgress progress;
    generator.Open(survey);
    EXPECT_EQ(generator.Places().size(), 8u);
    EXPECT_TRUE(generator.IsSelected(7));
    ASSERT_TRUE(generator.Generate(survey, progress, prompter));
    const LineList preview = generator.Preview();
    ASSERT_EQ(preview.size(), 4u * 3 + 4u * 1);
    EXPECT_EQ(preview[0], "0001 0001 0001 0800-0825");
    EXPECT_EQ(preview[2], "0001 0001 0001 0850-0915");
    EXPECT_EQ(preview[3], "0001 0001 0002 0800-0825");
    EXPECT_EQ(preview.back(), "0002 0002 0002 0800-0900");
    EXPECT_TRUE(prompter.asked().empty());
    EXPECT_EQ(progress.steps, 8u);
    EXPECT_FALSE(generator.CanGenerate());
    EXPECT_TRUE(generator.CanApply());

    EXPECT_TRUE(generator.Apply(survey, progress, prompter));
    EXPECT_TRUE(prompter.asked().empty());  // no question into an empty list
    EXPECT_EQ(survey.KentekensList, preview);
    EXPECT_TRUE(survey.ProjectChanged);
    EXPECT_FALSE(generator.CanApply());
}

TEST(PpeGenerator, StartEqualToEndGivesOnePeriod) {
    Survey survey = PlacesOnly();
    survey.AlgemeneGegevens.endTime = "0600";
    PpeGenerator generator;
    ScriptedPrompter prompter;
    RecordingProgress progress;
    generator.Open(survey);
    generator.Generate(survey, progress, prompter);
    EXPECT_EQ(generator.Preview().size(), 8u);
    EXPECT_EQ(PpePeriod(generator.Preview()[0]), "0600-0630");
}

TEST(PpeGenerator, PlacesWithoutAUsableIntervalAreSkippedWithOneWarning) {
    Survey survey = PlacesOnly();
    survey.RoutesList = {Route("0001", "0")};  // and route 0002 has no line at all
    PpeGenerator generator;
    ScriptedPrompter prompter;
    RecordingProgress progress;
    generator.Open(survey);
    ASSERT_TRUE(generator.Generate(survey, progress, prompter));
    EXPECT_TRUE(generator.Preview().empty());
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].kind, DialogKind::Warning);
    EXPECT_TRUE(prompter.asked()[0].text.starts_with("Voor 8 parkeerplaats(en)"));
}

TEST(PpeGenerator, RegeneratingReplacesOnlyTheSelectedPlaces) {
    Survey survey = SmallSurvey();
    for (std::string& line : survey.KentekensList) {
        line = PpeLineWithPlate(line, "AB12CD", "");
    }
    const Survey before = survey;
    PpeGenerator generator;
    ScriptedPrompter prompter;
    RecordingProgress progress;
    generator.Open(survey);
    for (std::size_t i = 1; i < generator.Places().size(); ++i) {
        generator.SetSelected(i, false);
    }
    generator.Generate(survey, progress, prompter);
    EXPECT_EQ(generator.Preview().size(), 4u);

    prompter.QueueAnswer(kNo);
    EXPECT_FALSE(generator.Apply(survey, progress, prompter));
    EXPECT_EQ(prompter.asked()[0].defaultButton, kDefaultNo);
    EXPECT_EQ(prompter.asked()[0].captions.yes, "&Ja");
    EXPECT_EQ(survey.KentekensList, before.KentekensList);

    prompter.QueueAnswer(kYes);
    EXPECT_TRUE(generator.Apply(survey, progress, prompter));
    ASSERT_EQ(survey.KentekensList.size(), before.KentekensList.size());
    for (std::size_t i = 0; i < survey.KentekensList.size(); ++i) {
        const std::string& line = survey.KentekensList[i];
        const bool regenerated = PlaceKey(line) == "0001 0001 0001";
        EXPECT_EQ(line.size(), regenerated ? 24u : 33u);
        if (!regenerated) {
            EXPECT_EQ(line, before.KentekensList[i]);
        }
    }
}

TEST(PpeGenerator, AppliedLinesAreSortedAmongTheOthers) {
    Survey survey = SmallSurvey();
    std::reverse(survey.KentekensList.begin(), survey.KentekensList.end());
    std::erase_if(survey.KentekensList,
                  [](const std::string& line) { return SectionKey(line) == "0001 0002"; });
    PpeGenerator generator;
    ScriptedPrompter prompter;
    RecordingProgress progress;
    generator.Open(survey);
    for (std::size_t i = 0; i < generator.Places().size(); ++i) {
        generator.SetSelected(i, SectionKey(generator.Places()[i]) == "0001 0002");
    }
    generator.Generate(survey, progress, prompter);
    prompter.QueueAnswer(kYes);
    generator.Apply(survey, progress, prompter);
    EXPECT_EQ(survey.KentekensList, SmallSurvey().KentekensList);
}

TEST(PpeGenerator, CancellingStopsAfterThePlaceAndAppliesNothing) {
    Survey survey = PlacesOnly();
    PpeGenerator generator;
    ScriptedPrompter prompter;
    RecordingProgress progress(3);
    generator.Open(survey);
    EXPECT_FALSE(generator.Generate(survey, progress, prompter));
    EXPECT_EQ(progress.steps, 3u);
    EXPECT_EQ(progress.hidden, 1);
    EXPECT_FALSE(generator.CanApply());
    EXPECT_FALSE(generator.Apply(survey, progress, prompter));
    EXPECT_TRUE(survey.KentekensList.empty());
}

TEST(PpeGenerator, NoPlaceSelectedChangesNoSlots) {
    Survey survey = SmallSurvey();
    const Survey before = survey;
    PpeGenerator generator;
    ScriptedPrompter prompter;
    RecordingProgress progress;
    generator.Open(survey);
    for (std::size_t i = 0; i < generator.Places().size(); ++i) {
        generator.SetSelected(i, false);
    }
    generator.Generate(survey, progress, prompter);
    prompter.QueueAnswer(kYes);
    generator.Apply(survey, progress, prompter);
    EXPECT_EQ(survey.KentekensList, before.KentekensList);
}

}  // namespace
}  // namespace tavoric
