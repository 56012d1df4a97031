// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/general_data_editor.h"

#include <gtest/gtest.h>

#include "test_survey.h"

namespace tavoric {
namespace {

TEST(GeneralDataEditor, OkWithoutEditsChangesNothing) {
    Survey survey = entry_test::SmallSurvey();
    GeneralDataEditor editor;
    editor.Open(survey);
    EXPECT_EQ(editor.Text(GeneralField::StartTime), "0600");
    EXPECT_EQ(editor.Text(GeneralField::SurveyArea), survey.AlgemeneGegevens.surveyArea);
    EXPECT_EQ(editor.Counts().routes, 2u);
    EXPECT_EQ(editor.Counts().sections, 4u);
    EXPECT_EQ(editor.Counts().places, 8u);
    EXPECT_EQ(editor.Counts().ppe, 24u);
    editor.SetText(GeneralField::Weather, survey.AlgemeneGegevens.weather);
    EXPECT_FALSE(editor.Apply(survey));
    EXPECT_FALSE(survey.ProjectChanged);
}

TEST(GeneralDataEditor, StoresEditsAndTimesInTheirFourDigitForm) {
    Survey survey;
    GeneralDataEditor editor;
    editor.Open(survey);
    editor.SetText(GeneralField::SurveyArea, "Binnenstad Oost");
    editor.SetText(GeneralField::StartTime, "630");
    editor.SetText(GeneralField::EndTime, "12345");
    EXPECT_EQ(editor.Text(GeneralField::EndTime), "1234");
    EXPECT_TRUE(editor.Apply(survey));
    EXPECT_TRUE(survey.ProjectChanged);
    EXPECT_EQ(survey.AlgemeneGegevens.surveyArea, "Binnenstad Oost");
    EXPECT_EQ(survey.AlgemeneGegevens.startTime, "0630");
    EXPECT_EQ(survey.AlgemeneGegevens.endTime, "1234");
}

TEST(GeneralDataEditor, TimeFieldsFollowTheClockRules) {
    Survey survey;
    GeneralDataEditor editor;
    editor.Open(survey);
    editor.SetText(GeneralField::EndTime, "2400");
    EXPECT_EQ(editor.Text(GeneralField::EndTime), "0000");
    editor.SetText(GeneralField::EndTime, "2355");
    editor.StepTimeField(GeneralField::EndTime, StepDirection::Up);
    EXPECT_EQ(editor.Text(GeneralField::EndTime), "0000");
    editor.SetText(GeneralField::StartTime, "675");
    editor.LeaveTimeField(GeneralField::StartTime);
    EXPECT_EQ(editor.Text(GeneralField::StartTime), "0715");
    editor.StepTimeField(GeneralField::StartTime, StepDirection::Down);
    EXPECT_EQ(editor.Text(GeneralField::StartTime), "0710");
    // Free text is not a time.
    editor.StepTimeField(GeneralField::Observers, StepDirection::Up);
    EXPECT_EQ(editor.Text(GeneralField::Observers), survey.AlgemeneGegevens.observers);
}

TEST(GeneralDataEditor, AStoredTimeThatOkNormalisesCountsAsAChange) {
    Survey survey;
    survey.AlgemeneGegevens.startTime = "630";
    GeneralDataEditor editor;
    editor.Open(survey);
    EXPECT_FALSE(editor.Edited());
    EXPECT_TRUE(editor.Apply(survey));
    EXPECT_EQ(survey.AlgemeneGegevens.startTime, "0630");
    EXPECT_TRUE(survey.ProjectChanged);
}

}  // namespace
}  // namespace tavoric
