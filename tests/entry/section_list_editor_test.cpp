// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/section_list_editor.h"

#include <gtest/gtest.h>

#include "core/scripted_prompter.h"
#include "test_survey.h"

namespace tavoric {
namespace {

// The sections window opened on the small survey, route 0001 chosen.
class SectionWindow : public ::testing::Test {
protected:
    SectionWindow() {
        editor.Open(survey);
        editor.ChooseRoute(0);
    }

    bool AddSection(const std::string& number, const std::string& description) {
        EXPECT_TRUE(editor.StartDialog(EntryMode::New));
        editor.SetNumber(number);
        editor.SetDescription(description);
        return editor.ApplyDialog(prompter);
    }

    Survey survey = entry_test::SmallSurvey();
    SectionListEditor editor;
    ScriptedPrompter prompter;
    entry_test::RecordingProgress progress;
};

TEST_F(SectionWindow, NumbersAreUniqueWithinTheirRouteOnly) {
    ASSERT_EQ(editor.RouteSelector().size(), 2u);
    EXPECT_EQ(editor.RouteSelector()[0], survey.RoutesList[0].substr(0, 39));
    EXPECT_EQ(editor.Entries(), (LineList{"0001 Straat 0001", "0002 Straat 0002"}));

    ASSERT_TRUE(editor.StartDialog(EntryMode::New));
    EXPECT_EQ(editor.Number(), "0003");  // the highest number in use, raised by one
    editor.SetNumber("0002");
    EXPECT_FALSE(editor.ApplyDialog(prompter));
    EXPECT_EQ(prompter.asked().at(0).text, "Sectienummer bestaat al.");

    editor.ChooseRoute(1);
    EXPECT_TRUE(AddSection("0003", "Kerkstraat"));
    EXPECT_EQ(editor.AllSections().size(), 5u);
    EXPECT_EQ(editor.AllSections()[4], "0002 0003 Kerkstraat");
}

TEST_F(SectionWindow, NothingCanBeAddedBeforeARouteIsChosen) {
    editor.ChooseRoute(std::nullopt);
    EXPECT_FALSE(editor.CanAdd());
    EXPECT_FALSE(editor.StartDialog(EntryMode::New));
    EXPECT_TRUE(editor.Entries().empty());
}

TEST_F(SectionWindow, EditsOfEveryRouteReachTheSurveyOnOk) {
    const std::string longest(33, 'd');
    AddSection("0007", longest);
    editor.ChooseRoute(1);
    editor.Select(0);
    ASSERT_TRUE(editor.StartDialog(EntryMode::Change));
    EXPECT_EQ(editor.Description(), "Straat 0001");
    editor.SetDescription("Markt");
    editor.ApplyDialog(prompter);
    editor.ChooseRoute(0);
    EXPECT_EQ(editor.Entries().back(), "0007 " + longest);

    editor.Apply(survey, progress);
    EXPECT_EQ(survey.SectiesList,
              (LineList{"0001 0001 Straat 0001", "0001 0002 Straat 0002", "0001 0007 " + longest,
                        "0002 0001 Markt", "0002 0002 Straat 0002"}));
    EXPECT_EQ(survey.KentekensList.size(), 24u);
    EXPECT_EQ(progress.shown, 0);
}

TEST_F(SectionWindow, DeletingASectionTakesItsPlacesAndSlotsOnly) {
    editor.Select(1);
    prompter.QueueAnswer(kYes);
    ASSERT_TRUE(editor.DeleteSelected(prompter));
    EXPECT_EQ(prompter.asked()[0].text,
              "Sectie met bijbehorende parkeerplaatsen en kentekens verwijderen?");
    EXPECT_EQ(editor.AllSections().size(), 3u);
    editor.Apply(survey, progress);
    EXPECT_EQ(survey.ParkeerplaatsenList.size(), 6u);
    EXPECT_EQ(survey.KentekensList.size(), 16u);
    for (const std::string_view line : survey.KentekensList) {
        EXPECT_NE(SectionKey(line), "0001 0002");
    }
}

}  // namespace
}  // namespace tavoric
