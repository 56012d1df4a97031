// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/place_list_editor.h"

#include <gtest/gtest.h>

#include "core/scripted_prompter.h"
#include "test_survey.h"

namespace tavoric {
namespace {

using entry_test::RecordingProgress;
using entry_test::SmallSurvey;

const char* const kDuplicates =
    "De lijst met parkeerplaatsen bevat dubbele parkeerplaatsnummers. Verwijder deze uit de lijst.";

// The editor opened on route 0001, section 0002 of the small survey.
struct PlaceWindow {
    Survey survey = SmallSurvey();
    PlaceListEditor editor;
    ScriptedPrompter prompter;
    RecordingProgress progress;

    PlaceWindow() {
        editor.Open(survey);
        editor.ChooseRoute(0);
        editor.ChooseSection(1);
    }

    bool Add(const std::string& start, std::optional<char> type, int count) {
        editor.StartNewPlaces();
        editor.SetStartNumber(start);
        editor.SetType(type);
        editor.SetCount(count);
        return editor.AddPlaces(prompter);
    }
};

TEST(PlaceListEditor, ChoosingARouteEmptiesTheSectionUntilOneIsChosen) {
    PlaceWindow w;
    EXPECT_EQ(w.editor.SectionSelector(), (LineList{"0001 Straat 0001", "0002 Straat 0002"}));
    EXPECT_EQ(w.editor.Entries(), (LineList{"0001 V", "0002 V"}));
    EXPECT_TRUE(w.editor.CanAdd());
    w.editor.SetSelected(0, true);
    EXPECT_TRUE(w.editor.CanDelete());
    w.editor.ChooseRoute(1);
    EXPECT_TRUE(w.editor.Entries().empty());
    EXPECT_FALSE(w.editor.CanAdd());
    EXPECT_FALSE(w.editor.CanDelete());
    EXPECT_FALSE(w.Add("0007", 'P', 1));
}

TEST(PlaceListEditor, AddsARunOfOneTypeIntoTheChosenSection) {
    PlaceWindow w;
    ASSERT_TRUE(w.Add("7", 'P', 3));
    EXPECT_EQ(w.editor.StartNumber(), "0007");
    EXPECT_EQ(w.editor.Entries(), (LineList{"0001 V", "0002 V", "0007 P", "0008 P", "0009 P"}));
    EXPECT_EQ(w.editor.AllPlaces().size(), 11u);
    EXPECT_EQ(w.editor.AllPlaces()[4], "0001 0002 0007 P");
    EXPECT_EQ(w.editor.AllPlaces()[7], "0002 0001 0001 V");
    EXPECT_TRUE(w.prompter.asked().empty());
    // The next opening: no type, one place, the start number as it was left.
    w.editor.StartNewPlaces();
    EXPECT_EQ(w.editor.Type(), std::nullopt);
    EXPECT_EQ(w.editor.Count(), 1);
    EXPECT_EQ(w.editor.StartNumber(), "0007");
}

TEST(PlaceListEditor, RefusesARunWithoutTypeOrPast9999) {
    PlaceWindow w;
    EXPECT_FALSE(w.Add("0005", std::nullopt, 1));
    EXPECT_EQ(w.prompter.asked().at(0).text, "Geen type parkeerplaats opgegeven.");
    EXPECT_FALSE(w.Add("9998", 'V', 3));
    ASSERT_EQ(w.prompter.asked().size(), 2u);
    EXPECT_EQ(w.prompter.asked()[1].kind, DialogKind::Error);
    EXPECT_NE(w.prompter.asked()[1].text.find("9998 tot en met 10000"), std::string::npos);
    EXPECT_FALSE(w.editor.Changed());
    EXPECT_EQ(w.editor.Entries().size(), 2u);
    EXPECT_TRUE(w.Add("9998", 'V', 2));
    EXPECT_EQ(w.editor.Entries().back(), "9999 V");
    w.editor.SetCount(0);
    EXPECT_EQ(w.editor.Count(), 1);
    w.editor.SetCount(20000);
    EXPECT_EQ(w.editor.Count(), kMostPlacesPerRun);
}

// Adding and deleting leave the warning to the window, which gives it once the list shows the
// places again.
TEST(PlaceListEditor, WarnsAboutDuplicatesButKeepsThem) {
    PlaceWindow w;
    w.editor.CheckDuplicates(w.prompter);
    EXPECT_TRUE(w.prompter.asked().empty());
    EXPECT_TRUE(w.Add("0002", 'B', 1));
    EXPECT_TRUE(w.prompter.asked().empty());
    EXPECT_EQ(w.editor.Entries(), (LineList{"0001 V", "0002 B", "0002 V"}));
    w.editor.CheckDuplicates(w.prompter);
    ASSERT_EQ(w.prompter.asked().size(), 1u);
    EXPECT_EQ(w.prompter.asked()[0].text, kDuplicates);
    EXPECT_EQ(w.prompter.asked()[0].kind, DialogKind::Error);
    w.editor.SetSelected(1, true);
    w.prompter.QueueAnswer(kCancel);
    EXPECT_FALSE(w.editor.DeleteSelected(w.prompter));
    EXPECT_EQ(w.prompter.asked().size(), 2u);
    w.prompter.QueueAnswer(kYes);
    EXPECT_TRUE(w.editor.DeleteSelected(w.prompter));
    EXPECT_EQ(w.prompter.asked().back().text,
              "Geselecteerde parkeerplaats(en) en bijbehorende kentekens verwijderen?");
    EXPECT_EQ(w.editor.Entries(), (LineList{"0001 V", "0002 V"}));
    w.editor.CheckDuplicates(w.prompter);
    EXPECT_EQ(w.prompter.asked().size(), 3u);
}

TEST(PlaceListEditor, OkStoresRemovesSlotsOfDeletedPlacesAndReminds) {
    PlaceWindow w;
    w.editor.SetSelected(0, true);
    w.prompter.QueueAnswer(kYes);
    w.editor.DeleteSelected(w.prompter);
    w.Add("0003", 'M', 1);
    EXPECT_EQ(w.survey.ParkeerplaatsenList.size(), 8u);  // nothing reaches it before "&OK"
    const ApplyResult result = w.editor.Apply(w.survey, w.prompter, w.progress);
    EXPECT_TRUE(result.projectChanged);
    EXPECT_TRUE(w.survey.ProjectChanged);
    EXPECT_EQ(w.survey.ParkeerplaatsenList[2], "0001 0002 0002 V");
    EXPECT_EQ(w.survey.ParkeerplaatsenList[3], "0001 0002 0003 M");
    EXPECT_EQ(w.survey.KentekensList.size(), 20u);
    for (const std::string_view line : w.survey.KentekensList) {
        EXPECT_NE(PlaceKey(line), "0001 0002 0001");
    }
    EXPECT_EQ(w.prompter.asked().back().kind, DialogKind::Information);
    EXPECT_NE(w.prompter.asked().back().text.find("Parkeerplaatseenheden genereren"),
              std::string::npos);
}

TEST(PlaceListEditor, OkWithoutChangesShowsNothing) {
    PlaceWindow w;
    EXPECT_FALSE(w.editor.Apply(w.survey, w.prompter, w.progress).projectChanged);
    EXPECT_TRUE(w.prompter.asked().empty());
    EXPECT_FALSE(w.survey.ProjectChanged);
}

}  // namespace
}  // namespace tavoric
