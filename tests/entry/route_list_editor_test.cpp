// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/route_list_editor.h"

#include <gtest/gtest.h>

#include "core/message_texts.h"
#include "core/scripted_prompter.h"
#include "test_survey.h"

namespace tavoric {
namespace {

// The routes window opened on the small survey.
class RouteWindow : public ::testing::Test {
protected:
    RouteWindow() { editor.Open(survey); }

    void Reopen(Survey other) {
        survey = std::move(other);
        editor.Open(survey);
    }
    bool AddRoute(const std::string& description, const std::string& interval) {
        EXPECT_TRUE(editor.StartDialog(EntryMode::New));
        editor.SetDescription(description);
        editor.SetInterval(interval);
        return editor.ApplyDialog(prompter);
    }

    Survey survey = entry_test::SmallSurvey();
    const Survey before = survey;
    RouteListEditor editor;
    ScriptedPrompter prompter;
    entry_test::RecordingProgress progress;
};

TEST_F(RouteWindow, ProposesTheNextNumberAndKeepsTheLastFields) {
    Reopen(Survey{});
    AddRoute("Centrum", "15");
    EXPECT_EQ(editor.Entries().front(), "0001 " + PadField("L", "Centrum", " ", 35) + "15");
    AddRoute("Station", "20");
    ASSERT_TRUE(editor.StartDialog(EntryMode::New));
    EXPECT_EQ(editor.Number(), "0003");
    EXPECT_EQ(editor.Description(), "Station");
    EXPECT_EQ(editor.Interval(), "20");
    EXPECT_EQ(editor.DialogTitle(), "Nieuwe route");
    EXPECT_EQ(editor.DialogButtonCaption(), "T&oevoegen");
    EXPECT_TRUE(prompter.asked().empty());
}

TEST_F(RouteWindow, ProposesTheNumberAfterTheHighestInUseWhateverWasTypedBefore) {
    editor.StartDialog(EntryMode::New);
    editor.SetNumber("0040");
    editor.SetDescription("Haven");
    ASSERT_TRUE(editor.ApplyDialog(prompter));
    ASSERT_TRUE(editor.StartDialog(EntryMode::New));
    EXPECT_EQ(editor.Number(), "0041");
    editor.Select(editor.Entries().size() - 1);
    prompter.QueueAnswer(kYes);
    ASSERT_TRUE(editor.DeleteSelected(prompter));
    ASSERT_TRUE(editor.StartDialog(EntryMode::New));
    EXPECT_EQ(editor.Number(), "0003");
}

TEST_F(RouteWindow, ATypedNumberIsStoredWithFourDigits) {
    Reopen(Survey{});
    editor.StartDialog(EntryMode::New);
    editor.SetNumber("12x");
    editor.SetInterval("3o0");
    EXPECT_EQ(editor.Interval(), "30");
    ASSERT_TRUE(editor.ApplyDialog(prompter));
    EXPECT_EQ(RouteKey(editor.Entries().front()), "0012");
}

TEST_F(RouteWindow, RefusesANumberThatExists) {
    editor.StartDialog(EntryMode::New);
    editor.SetNumber("2");
    EXPECT_FALSE(editor.ApplyDialog(prompter));
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].text, "Routenummer bestaat al.");
    EXPECT_EQ(prompter.asked()[0].kind, DialogKind::Error);
    EXPECT_EQ(editor.Entries(), survey.RoutesList);
    EXPECT_FALSE(editor.Changed());
}

// Letters are refused as they are typed, so the field can end empty: no route without interval.
TEST_F(RouteWindow, RefusesAnEmptyInterval) {
    EXPECT_FALSE(AddRoute("Markt", "abc"));
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].kind, DialogKind::Error);
    EXPECT_EQ(prompter.asked()[0].text, MessageText("AA00318"));
    EXPECT_EQ(editor.Entries(), survey.RoutesList);
    EXPECT_TRUE(AddRoute("Markt", "0"));
}

// The entry just typed is the selected one, so that "&Wijzigen..." and "&Verwijderen..." act on
// it; a selection that names no entry never reaches the list.
TEST_F(RouteWindow, TheAddedEntryIsSelectedAndNoStaleIndexIsUsed) {
    ASSERT_TRUE(editor.StartDialog(EntryMode::New));
    editor.SetNumber("3");
    editor.SetDescription("Markt");
    editor.SetInterval("10");
    ASSERT_TRUE(editor.ApplyDialog(prompter));
    ASSERT_TRUE(editor.Selected());
    EXPECT_EQ(editor.Entries()[*editor.Selected()],
              "0003 " + PadField("L", "Markt", " ", 35) + "10");
    ASSERT_TRUE(editor.StartDialog(EntryMode::Change));
    EXPECT_EQ(editor.Number(), "0003");

    prompter.QueueAnswer(kYes);
    ASSERT_TRUE(editor.DeleteSelected(prompter));
    EXPECT_FALSE(editor.HasSelection());
    editor.Select(editor.Entries().size());
    EXPECT_FALSE(editor.Selected());
    EXPECT_FALSE(editor.StartDialog(EntryMode::Change));
    EXPECT_FALSE(editor.DeleteSelected(prompter));
    EXPECT_EQ(editor.Entries(), survey.RoutesList);
}

TEST_F(RouteWindow, ChangingKeepsTheNumberAndTheDependentLines) {
    EXPECT_FALSE(editor.StartDialog(EntryMode::Change));
    editor.Select(1);
    ASSERT_TRUE(editor.StartDialog(EntryMode::Change));
    EXPECT_FALSE(editor.NumberEditable());
    EXPECT_EQ(editor.DialogTitle(), "Route wijzigen");
    EXPECT_EQ(editor.Number(), "0002");
    EXPECT_EQ(editor.Description(), "Route 0002");
    EXPECT_EQ(editor.Interval(), "60");
    const std::string longest(33, 'x');
    editor.SetDescription(longest + "yz");
    ASSERT_TRUE(editor.ApplyDialog(prompter));
    EXPECT_TRUE(prompter.asked().empty());
    ASSERT_EQ(editor.Entries().size(), 2u);
    EXPECT_EQ(editor.Entries()[1], "0002 " + longest + "  60");
    EXPECT_EQ(editor.Selected(), 1u);

    const ApplyResult result = editor.Apply(survey, progress);
    EXPECT_TRUE(result.projectChanged && result.resetAnalysisSelection);
    EXPECT_TRUE(survey.ProjectChanged);
    EXPECT_EQ(RouteDescription(survey.RoutesList[1]), longest);
    EXPECT_EQ(survey.SectiesList, before.SectiesList);
    EXPECT_EQ(survey.KentekensList, before.KentekensList);
    EXPECT_EQ(progress.shown, 0);
}

TEST_F(RouteWindow, DeletingAsksAndCascadesOnlyOnOk) {
    editor.Select(1);
    prompter.QueueAnswer(kNo);
    EXPECT_FALSE(editor.DeleteSelected(prompter));
    EXPECT_EQ(prompter.asked()[0].text,
              "Route met bijbehorende secties, parkeerplaatsen en kentekens verwijderen?");
    EXPECT_EQ(prompter.asked()[0].defaultButton, kDefaultNo);
    EXPECT_EQ(prompter.asked()[0].captions.yes, "&Verwijderen");
    EXPECT_EQ(editor.Entries().size(), 2u);

    prompter.QueueAnswer(kYes);
    EXPECT_TRUE(editor.DeleteSelected(prompter));
    EXPECT_TRUE(editor.Deleted());
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(survey.RoutesList, before.RoutesList);  // "&Annuleren" would keep all this

    editor.Apply(survey, progress);
    EXPECT_EQ(survey.RoutesList.size(), 1u);
    EXPECT_EQ(survey.SectiesList.size(), 2u);
    EXPECT_EQ(survey.KentekensList.size(), 16u);
    EXPECT_EQ(progress.shown, 1);
}

TEST_F(RouteWindow, OkWithoutChangesLeavesTheProjectAlone) {
    editor.Select(0);
    EXPECT_FALSE(editor.Apply(survey, progress).projectChanged);
    EXPECT_FALSE(survey.ProjectChanged);
}

}  // namespace
}  // namespace tavoric
