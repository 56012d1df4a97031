// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_positions.h"

#include <gtest/gtest.h>

#include "core/screen_rect.h"

namespace tavoric {
namespace {

constexpr ScreenLayout kOneMonitor{1, 1920, 1080};
constexpr ScreenLayout kTwoMonitors{2, 3840, 1080};

TEST(PositionEntry, FormatsAndParsesTheFiveFields) {
    const WindowPlacement placement{false, 120, 80, 800, 600};
    const std::string entry = FormatPositionEntry("HoofdForm", placement);
    EXPECT_EQ(entry, "HoofdForm=M:0;L:120;T:80;W:800;H:600");
    EXPECT_EQ(PositionEntryName(entry), "HoofdForm");
    const WindowPlacement parsed = ParsePositionEntry(entry);
    EXPECT_FALSE(parsed.maximized);
    EXPECT_EQ(parsed.left, 120);
    EXPECT_EQ(parsed.top, 80);
    EXPECT_EQ(parsed.width, 800);
    EXPECT_EQ(parsed.height, 600);
    EXPECT_TRUE(ParsePositionEntry("X=M:1;L:-8;T:-8;W:1936;H:1056").maximized);
}

TEST(PositionEntry, MissingOrBrokenFieldsCountAsZero) {
    const WindowPlacement parsed = ParsePositionEntry("RouteForm=M:yes;L:1x;W:;H:300");
    EXPECT_FALSE(parsed.maximized);
    EXPECT_EQ(parsed.left, 0);
    EXPECT_EQ(parsed.top, 0);
    EXPECT_EQ(parsed.width, 0);
    EXPECT_EQ(parsed.height, 300);
    const WindowPlacement empty = ParsePositionEntry("NoFields");
    EXPECT_EQ(empty.height, 0);
    EXPECT_EQ(PositionEntryName("NoFields"), "NoFields");
}

TEST(RestoreDecision, MaximisedEntryOnlyMaximises) {
    const PlacementToApply action = DecideRestore({true, 5, 5, 0, 0}, kOneMonitor, true);
    EXPECT_TRUE(action.maximize);
    EXPECT_FALSE(action.normalize);
    EXPECT_FALSE(action.left.has_value());
    EXPECT_FALSE(action.width.has_value());
}

TEST(RestoreDecision, ResizableWindowTakesPlaceAndSizeOthersOnlyPlace) {
    const WindowPlacement saved{false, 120, 80, 800, 600};
    const PlacementToApply resizable = DecideRestore(saved, kOneMonitor, true);
    EXPECT_TRUE(resizable.normalize);
    EXPECT_EQ(resizable.left, 120);
    EXPECT_EQ(resizable.top, 80);
    EXPECT_EQ(resizable.width, 800);
    EXPECT_EQ(resizable.height, 600);
    const PlacementToApply dialog = DecideRestore(saved, kOneMonitor, false);
    EXPECT_EQ(dialog.left, 120);
    EXPECT_EQ(dialog.top, 80);
    EXPECT_FALSE(dialog.width.has_value());
    EXPECT_FALSE(dialog.height.has_value());
}

TEST(RestoreDecision, ZeroOrNegativeSizeIsNotApplied) {
    for (const WindowPlacement saved :
         {WindowPlacement{false, 100, 100, 0, 600}, WindowPlacement{false, 100, 100, 800, 0},
          WindowPlacement{false, 100, 100, -800, 600}}) {
        const PlacementToApply action = DecideRestore(saved, kOneMonitor, true);
        EXPECT_TRUE(action.normalize);
        EXPECT_FALSE(action.left.has_value());
        EXPECT_FALSE(action.width.has_value());
    }
}

TEST(RestoreDecision, PlaceBeyondTheDesktopIsNotApplied) {
    // Saved on a larger desktop, or on a second monitor that is gone.
    EXPECT_FALSE(DecideRestore({false, 1921, 10, 800, 600}, kOneMonitor, true).left);
    EXPECT_FALSE(DecideRestore({false, 10, 1081, 800, 600}, kOneMonitor, true).left);
    EXPECT_TRUE(DecideRestore({false, 1920, 1080, 800, 600}, kOneMonitor, true).left);
    EXPECT_TRUE(DecideRestore({false, 3000, 10, 800, 600}, kTwoMonitors, true).left);
}

TEST(RestoreDecision, FarLeftOrAboveOnlyWithMoreThanOneMonitor) {
    EXPECT_FALSE(DecideRestore({false, -500, 10, 800, 600}, kOneMonitor, true).left);
    EXPECT_FALSE(DecideRestore({false, 10, -500, 800, 600}, kOneMonitor, true).left);
    EXPECT_EQ(DecideRestore({false, -10, -10, 800, 600}, kOneMonitor, true).left, -10);
    EXPECT_EQ(DecideRestore({false, -500, 10, 800, 600}, kTwoMonitors, true).left, -500);
    EXPECT_EQ(DecideRestore({false, 10, -500, 800, 600}, kTwoMonitors, true).top, -500);
}

void ExpectRect(const ScreenRect& rect, int left, int top, int width, int height) {
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
}

TEST(FitWithinScreen, AFrameThatFitsStaysAsItIs) {
    ExpectRect(FitWithin({100, 50, 600, 400}, {0, 0, 800, 500}), 100, 50, 600, 400);
    ExpectRect(FitWithin({0, 0, 800, 500}, {0, 0, 800, 500}), 0, 0, 800, 500);
}

// The main window at double scale: 2000x1400 at (-200,-200) on an area of 800x500 below a
// panel of 30 pixels.
TEST(FitWithinScreen, ALargerFrameShrinksToTheAreaAndComesOnIt) {
    ExpectRect(FitWithin({-200, -200, 2000, 1400}, {0, 30, 800, 470}), 0, 30, 800, 470);
    ExpectRect(FitWithin({300, 10, 900, 200}, {0, 30, 800, 470}), 0, 30, 800, 200);
}

// A remembered place off the screen: beyond its right or lower edge, or on a monitor left of
// it that is gone.
TEST(FitWithinScreen, AFrameOffTheAreaMovesTheLeastDistanceOntoIt) {
    ExpectRect(FitWithin({1500, 900, 300, 200}, {0, 0, 800, 500}), 500, 300, 300, 200);
    ExpectRect(FitWithin({-1700, 100, 300, 200}, {0, 0, 800, 500}), 0, 100, 300, 200);
    ExpectRect(FitWithin({700, 100, 300, 200}, {0, 0, 800, 500}), 500, 100, 300, 200);
    ExpectRect(FitWithin({2000, 100, 300, 200}, {1920, 0, 800, 500}), 2000, 100, 300, 200);
}

TEST(FormPositionList, AnEntryIsTakenOnlyOnce) {
    FormPositions positions(
        {"RouteForm=M:0;L:50;T:60;W:300;H:200", "HoofdForm=M:1", "RouteForm=M:0;L:1;T:1;W:1;H:1"});
    const std::optional<WindowPlacement> first = positions.Take("RouteForm");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->left, 50);
    EXPECT_EQ(positions.Take("RouteForm")->left, 1);  // a second entry of the same name
    EXPECT_FALSE(positions.Take("RouteForm").has_value());
    EXPECT_FALSE(positions.Take("routeform").has_value());
    EXPECT_EQ(positions.Entries(), (std::vector<std::string>{"HoofdForm=M:1"}));
}

TEST(FormPositionList, RecordReplacesOrAppendsAndSkipsUnplacedWindows) {
    FormPositions positions({"HoofdForm=M:0;L:1;T:1;W:1;H:1", "", "PeriodeForm=M:0;L:9"});
    positions.Record("PeriodeForm", {false, 30, 40, 500, 400});
    positions.Record("RouteForm", {false, 0, 10, 300, 200});
    positions.Record("HoofdForm", {false, 0, 0, 800, 600});  // never placed: the old entry stays
    positions.Record("SectieForm", {true, 0, 0, 800, 600});  // maximised at 0, 0: recorded
    EXPECT_EQ(positions.Entries(),
              (std::vector<std::string>{
                  "HoofdForm=M:0;L:1;T:1;W:1;H:1", "", "PeriodeForm=M:0;L:30;T:40;W:500;H:400",
                  "RouteForm=M:0;L:0;T:10;W:300;H:200", "SectieForm=M:1;L:0;T:0;W:800;H:600"}));
}

}  // namespace
}  // namespace tavoric
