// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ppe_generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/demo_survey.h"
#include "core/scripted_prompter.h"
#include "test_survey.h"

namespace tavoric {
namespace {

using entry_test::Route;

// The generation dialog on the small survey, optionally with its slots removed first.
class GenerationDialog : public ::testing::Test {
protected:
    void Open() { generator.Open(survey); }
    void OpenWithoutSlots() {
        survey.KentekensList.clear();
        Open();
    }
    void SelectOnly(const std::function<bool(const std::string&)>& wanted) {
        for (std::size_t i = 0; i < generator.Places().size(); ++i) {
            generator.SetSelected(i, wanted(generator.Places()[i]));
        }
    }
    bool GenerateAndApply() {
        generator.Generate(survey, progress, prompter);
        prompter.QueueAnswer(kYes);
        return generator.Apply(survey, progress, prompter);
    }

    Survey survey = entry_test::SmallSurvey();
    PpeGenerator generator;
    ScriptedPrompter prompter;
    entry_test::RecordingProgress progress;
};

TEST_F(GenerationDialog, MakesThePeriodsOfEachPlaceFromItsRoute) {
    survey.AlgemeneGegevens.startTime = "0800";
    survey.AlgemeneGegevens.endTime = "0900";
    survey.RoutesList[0] = Route("0001", "25");
    OpenWithoutSlots();
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

TEST_F(GenerationDialog, StartEqualToEndGivesOnePeriodOfFullWidth) {
    survey.AlgemeneGegevens.startTime = "630";  // as a hand-edited file may hold it
    survey.AlgemeneGegevens.endTime = "0630";
    OpenWithoutSlots();
    generator.Generate(survey, progress, prompter);
    EXPECT_EQ(generator.Preview().size(), 8u);
    EXPECT_EQ(generator.Preview()[0], "0001 0001 0001 0630-0700");
}

TEST_F(GenerationDialog, PlacesWithoutAUsableIntervalAreSkippedWithOneWarning) {
    survey.RoutesList = {Route("0001", "0")};  // and route 0002 has no line at all
    OpenWithoutSlots();
    ASSERT_TRUE(generator.Generate(survey, progress, prompter));
    EXPECT_TRUE(generator.Preview().empty());
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].kind, DialogKind::Warning);
    EXPECT_TRUE(prompter.asked()[0].text.starts_with("Voor 8 parkeerplaats(en)"));
}

TEST_F(GenerationDialog, RegeneratingReplacesOnlyTheSelectedPlaces) {
    for (std::size_t i = 0; i < survey.KentekensList.size(); ++i) {
        survey.KentekensList.Set(i, PpeLineWithPlate(survey.KentekensList[i], "AB12CD", ""));
    }
    const Survey before = survey;
    Open();
    SelectOnly([](const std::string& place) { return PlaceKey(place) == "0001 0001 0001"; });
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
        const std::string_view line = survey.KentekensList[i];
        const bool regenerated = PlaceKey(line) == "0001 0001 0001";
        EXPECT_EQ(line.size(), regenerated ? 24u : 33u);
        if (!regenerated) {
            EXPECT_EQ(line, before.KentekensList[i]);
        }
    }
}

TEST_F(GenerationDialog, AppliedLinesAreSortedAmongTheOthers) {
    entry_test::ReverseSlots(survey);
    survey.KentekensList.EraseIf(
        [](std::string_view line) { return SectionKey(line) == "0001 0002"; });
    Open();
    SelectOnly([](const std::string& place) { return SectionKey(place) == "0001 0002"; });
    EXPECT_TRUE(GenerateAndApply());
    EXPECT_EQ(survey.KentekensList, entry_test::SmallSurvey().KentekensList);
}

TEST_F(GenerationDialog, NoPlaceSelectedChangesNoSlots) {
    const Survey before = survey;
    Open();
    SelectOnly([](const std::string&) { return false; });
    GenerateAndApply();
    EXPECT_EQ(survey.KentekensList, before.KentekensList);
}

TEST_F(GenerationDialog, RegeneratingAWholeSurveyGivesItsSlotsAgainWithoutPlates) {
    survey = MakeDemoSurvey({300, 3});
    LineList slots;
    for (const std::string_view line : survey.KentekensList) {
        slots.emplace_back(PpeKey(line));
    }
    SortLines(slots);
    Open();
    EXPECT_TRUE(GenerateAndApply());
    EXPECT_EQ(survey.KentekensList, slots);
}

TEST(PpeGenerator, CancellingStopsAfterThePlaceAndAppliesNothing) {
    Survey survey = entry_test::SmallSurvey();
    survey.KentekensList.clear();
    PpeGenerator generator;
    ScriptedPrompter prompter;
    entry_test::RecordingProgress progress(3);
    generator.Open(survey);
    EXPECT_FALSE(generator.Generate(survey, progress, prompter));
    EXPECT_EQ(progress.steps, 3u);
    EXPECT_EQ(progress.hidden, 1);
    EXPECT_FALSE(generator.CanApply());
    EXPECT_FALSE(generator.Apply(survey, progress, prompter));
    EXPECT_TRUE(survey.KentekensList.empty());
}

}  // namespace
}  // namespace tavoric
