// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/plate_entry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_survey.h"

namespace tavoric {
namespace {

using entry_test::SmallSurvey;

// The window opened on place 0001 0002 0001: four rounds 0600-0630 ... 0730-0800.
struct PlateWindow {
    Survey survey = SmallSurvey();
    PlateEntry entry;

    PlateWindow() {
        entry.Open(survey);
        entry.ChooseRoute(0);
        entry.ChooseSection(1);
        entry.ChoosePlace(0);
    }

    // Types into the current cell as the grid's editor does.
    void Type(const std::string& text) {
        entry.EditCell(entry.Cursor().row, entry.Cursor().column, text);
    }
    const std::string& Plate(std::size_t row) const { return entry.Cell(row, kPlateColumn); }
    const std::string& Remark(std::size_t row) const { return entry.Cell(row, kRemarkColumn); }
};

TEST(PlateEntry, OpeningSortsTheSlotsAndFillsTheSelectors) {
    Survey survey = SmallSurvey();
    const LineBuffer sorted = survey.KentekensList;
    entry_test::ReverseSlots(survey);
    PlateEntry entry;
    entry.Open(survey);
    EXPECT_EQ(survey.KentekensList, sorted);
    EXPECT_EQ(entry.RouteSelector()[1], survey.RoutesList[1].substr(0, 39));
    EXPECT_TRUE(entry.SectionSelector().empty());
    EXPECT_FALSE(entry.GridVisible());
    entry.ChooseRoute(1);
    EXPECT_EQ(entry.SectionSelector(), (LineList{"0001 Straat 0001", "0002 Straat 0002"}));
    entry.ChooseSection(0);
    EXPECT_EQ(entry.PlaceSelector(), (LineList{"0001 V", "0002 V"}));
    EXPECT_FALSE(entry.GridVisible());
    entry.ChoosePlace(1);
    ASSERT_EQ(entry.Rows().size(), 2u);
    EXPECT_EQ(entry.Rows()[0].period, "0600-0700");
    EXPECT_EQ(entry.Rows()[1].period, "0700-0800");
    EXPECT_EQ(entry.Cursor(), (GridCell{0, kPlateColumn}));
}

TEST(PlateEntry, CarriesAStayingVehicleForward) {
    PlateWindow w;
    w.Type("AB12CD");
    w.entry.PressEnter();
    EXPECT_EQ(w.entry.Cursor(), (GridCell{0, kRemarkColumn}));
    w.Type("F");
    w.entry.PressEnter();
    EXPECT_EQ(w.entry.Cursor(), (GridCell{1, kPlateColumn}));
    EXPECT_EQ(w.Plate(1), "AB12CD");
    w.entry.PressEnter();  // same plate, empty remark: the remark comes along
    EXPECT_EQ(w.Remark(1), "F");
    w.entry.PressEnter();
    w.Type("XY99ZZ");  // a new vehicle: its remark stays empty
    w.entry.PressEnter();
    EXPECT_EQ(w.Remark(2), "");
    w.entry.SetCursor(3, kPlateColumn);
    w.Type("KL01MN");
    w.entry.SetCursor(2, kRemarkColumn);
    w.entry.PressEnter();  // a plate already there is not overwritten
    EXPECT_EQ(w.Plate(3), "KL01MN");
}

TEST(PlateEntry, TheLastRoundTakesTheRemarkAboveAndTheCursorStays) {
    PlateWindow w;
    w.entry.SetCursor(2, kRemarkColumn);
    w.Type("B");
    w.entry.SetCursor(3, kRemarkColumn);
    w.entry.PressEnter();
    EXPECT_EQ(w.Remark(3), "B");
    EXPECT_EQ(w.entry.Cursor(), (GridCell{3, kRemarkColumn}));
}

TEST(PlateEntry, WithoutAutomaticPlatesEnterOnlyMoves) {
    PlateWindow w;
    w.entry.SetAutoPlate(false);
    w.Type("AB12CD");
    w.entry.PressEnter();
    w.entry.PressEnter();
    EXPECT_EQ(w.entry.Cursor(), (GridCell{1, kPlateColumn}));
    EXPECT_EQ(w.Plate(1), "");
}

TEST(PlateEntry, TypedTextKeepsTheMasksAndCodePage1252) {
    PlateWindow w;
    w.Type("ABCDEFGH");
    EXPECT_EQ(w.Plate(0), "ABCDEF");
    w.Type("\xC3\xA9\xE2\x82\xAC\xE2\x98\x83");  // e-acute, euro sign, snowman
    EXPECT_EQ(w.Plate(0), "\xE9\x80?");
    w.entry.SetCursor(0, kRemarkColumn);
    w.Type("fb");
    EXPECT_EQ(w.Remark(0), "f");
    w.Type("\n");
    EXPECT_EQ(w.Remark(0), " ");
    w.entry.SetCursor(0, kPeriodColumn);
    EXPECT_EQ(w.entry.Cursor().column, kPlateColumn);
}

TEST(PlateEntry, EditingLocksThePlaceUntilConfirmed) {
    PlateWindow w;
    EXPECT_FALSE(w.entry.CanPrevious());
    EXPECT_TRUE(w.entry.CanNext());
    EXPECT_FALSE(w.entry.CanConfirm());
    w.entry.KeyTyped();
    EXPECT_TRUE(w.entry.Locked());
    EXPECT_FALSE(w.entry.CanNext());
    EXPECT_FALSE(w.entry.CanClose());
    EXPECT_FALSE(w.entry.NextPlace());
    EXPECT_FALSE(w.entry.ChooseRoute(1));
    EXPECT_FALSE(w.entry.ChoosePlace(1));
    EXPECT_FALSE(w.entry.Close());
    EXPECT_EQ(w.entry.ChosenPlace(), 0u);
    EXPECT_TRUE(w.entry.GridVisible());
    EXPECT_TRUE(w.entry.Confirm());
    EXPECT_FALSE(w.entry.Locked());
    EXPECT_FALSE(w.entry.GridVisible());
    EXPECT_TRUE(w.entry.CanNext());
}

TEST(PlateEntry, DelEmptiesTheWholeCellAndLocks) {
    PlateWindow w;
    w.Type("AB12CD");
    w.entry.Confirm();
    w.entry.ChoosePlace(0);
    EXPECT_FALSE(w.entry.Locked());
    EXPECT_TRUE(w.entry.DeleteCell());
    EXPECT_TRUE(w.entry.Locked());
    EXPECT_EQ(w.Plate(0), "");
    w.entry.Confirm();
    EXPECT_FALSE(w.entry.DeleteCell());  // the grid is hidden
}

TEST(PlateEntry, ConfirmRewritesExactlyThePlacesLinesInFull) {
    PlateWindow w;
    const LineBuffer before = w.survey.KentekensList;
    w.Type("AB1");
    w.entry.PressEnter();
    w.entry.PressEnter();
    ASSERT_TRUE(w.entry.Confirm());
    const LineBuffer& after = w.survey.KentekensList;
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (PlaceKey(before[i]) != "0001 0002 0001") {
            EXPECT_EQ(after[i], before[i]);
        }
    }
    EXPECT_EQ(after[8], "0001 0002 0001 0600-0630 AB1" + std::string(5, ' '));
    EXPECT_EQ(after[9], "0001 0002 0001 0630-0700 AB1" + std::string(5, ' '));
    EXPECT_EQ(after[10], "0001 0002 0001 0700-0730" + std::string(9, ' '));
    EXPECT_EQ(after[11].size(), 33u);
    w.entry.ChoosePlace(0);
    EXPECT_EQ(w.Plate(0), "AB1");
    EXPECT_EQ(w.Plate(2), "");
}

// What was typed reaches the lines before F10, for the recovery copy; the place stays locked.
TEST(PlateEntry, StoringTypedRowsKeepsThePlaceLocked) {
    PlateWindow w;
    EXPECT_FALSE(w.entry.StoreTypedRows());
    w.Type("AB1");
    w.entry.PressEnter();
    ASSERT_TRUE(w.entry.StoreTypedRows());
    EXPECT_EQ(w.survey.KentekensList[8], "0001 0002 0001 0600-0630 AB1" + std::string(5, ' '));
    EXPECT_TRUE(w.entry.Locked());
    EXPECT_FALSE(w.entry.CanClose());
    ASSERT_TRUE(w.entry.Confirm());
    EXPECT_EQ(w.survey.KentekensList[8], "0001 0002 0001 0600-0630 AB1" + std::string(5, ' '));
    EXPECT_FALSE(w.entry.StoreTypedRows());
}

TEST(PlateEntry, ConfirmWithoutEditsAndClosingWithoutTypingChangeNothing) {
    PlateWindow w;
    const LineBuffer before = w.survey.KentekensList;
    EXPECT_TRUE(w.entry.NextPlace());
    EXPECT_FALSE(w.entry.NextPlace());  // the last place
    EXPECT_TRUE(w.entry.PreviousPlace());
    EXPECT_FALSE(w.entry.PreviousPlace());
    EXPECT_FALSE(w.entry.Close());
    EXPECT_FALSE(w.survey.ProjectChanged);
    EXPECT_EQ(w.survey.KentekensList, before);
}

TEST(PlateEntry, ClosingAfterTypingMarksTheProjectChanged) {
    PlateWindow w;
    w.Type("AB12CD");
    w.entry.Confirm();
    EXPECT_TRUE(w.entry.Close());
    EXPECT_TRUE(w.survey.ProjectChanged);
    EXPECT_TRUE(w.entry.PlaceSelector().empty());
}

TEST(PlateEntry, APlaceWithoutSlotsShowsOneRowThatStoresNothing) {
    PlateWindow w;
    w.survey.ParkeerplaatsenList.push_back("0001 0002 0003 G");
    const LineBuffer before = w.survey.KentekensList;
    w.entry.ChooseSection(1);
    ASSERT_TRUE(w.entry.ChoosePlace(2));
    ASSERT_EQ(w.entry.Rows().size(), 1u);
    w.Type("AB12CD");
    w.entry.PressEnter();
    w.entry.PressEnter();
    EXPECT_EQ(w.entry.Cursor(), (GridCell{0, kRemarkColumn}));
    w.entry.Confirm();
    EXPECT_EQ(w.survey.KentekensList, before);
}

TEST(FindPlaceLines, FindsTheExactKeyAmongCaseVariants) {
    LineBuffer lines{"0001 0001 000a 0600", "0001 0001 000A 0630", "0001 0001 000a 0700",
                     "0001 0001 000b 0600"};
    SortLines(lines);
    const auto [first, count] = FindPlaceLines(lines, "0001 0001 000a");
    EXPECT_EQ(lines[first], "0001 0001 000a 0600");
    EXPECT_EQ(count, 1u);  // the run ends where a case variant stands between
    EXPECT_EQ(FindPlaceLines(lines, "0001 0001 000b").second, 1u);
    EXPECT_EQ(FindPlaceLines(lines, "0001 0001 000c").second, 0u);
}

}  // namespace
}  // namespace tavoric
