// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/preview_zoom.h"

#include <gtest/gtest.h>

namespace tavoric {
namespace {

TEST(PreviewZoom, OpensOnTheWholePageAndALeftClickShowsRealSize) {
    PreviewZoom zoom;
    EXPECT_EQ(zoom.Mode(), ZoomMode::WholePage);
    zoom.LeftClick();
    EXPECT_EQ(zoom.Mode(), ZoomMode::Percentage);
    EXPECT_EQ(zoom.Percentage(), 100);
}

TEST(PreviewZoom, LeftClicksDoubleUpToFourHundred) {
    PreviewZoom zoom;
    zoom.SetPercentage(100);
    zoom.LeftClick();
    EXPECT_EQ(zoom.Percentage(), 200);
    zoom.LeftClick();
    zoom.LeftClick();
    EXPECT_EQ(zoom.Percentage(), 400);
    zoom.SetPercentage(300);
    zoom.LeftClick();
    EXPECT_EQ(zoom.Percentage(), 400);
}

TEST(PreviewZoom, OtherClicksHalveDownToTwentyFive) {
    PreviewZoom zoom;
    zoom.OtherClick();  // from the whole page: the stored 100 % halves
    EXPECT_EQ(zoom.Mode(), ZoomMode::Percentage);
    EXPECT_EQ(zoom.Percentage(), 50);
    zoom.OtherClick();
    EXPECT_EQ(zoom.Percentage(), 25);
    zoom.OtherClick();
    EXPECT_EQ(zoom.Percentage(), 25);
    zoom.SetPercentage(75);
    zoom.OtherClick();
    EXPECT_EQ(zoom.Percentage(), 37);
}

TEST(PreviewZoom, FittingModesKeepTheLastPercentageForClicks) {
    PreviewZoom zoom;
    zoom.SetPercentage(50);
    zoom.ShowPageWidth();
    EXPECT_EQ(zoom.Mode(), ZoomMode::PageWidth);
    zoom.LeftClick();
    EXPECT_EQ(zoom.Percentage(), 100);

    zoom.SetPercentage(200);
    zoom.ShowWholePage();
    zoom.LeftClick();  // the whole page always goes to 100 %
    EXPECT_EQ(zoom.Percentage(), 100);
    zoom.SetPercentage(200);
    zoom.ShowWholePage();
    zoom.OtherClick();
    EXPECT_EQ(zoom.Percentage(), 100);
}

TEST(PreviewZoom, ScaleFitsThePageOrFollowsThePercentage) {
    PreviewZoom zoom;
    // A page of 200 x 300 in a view of 400 x 300: the height limits the whole page.
    EXPECT_DOUBLE_EQ(zoom.Scale(200, 300, 400, 300), 1.0);
    zoom.ShowPageWidth();
    EXPECT_DOUBLE_EQ(zoom.Scale(200, 300, 400, 300), 2.0);
    zoom.SetPercentage(25);
    EXPECT_DOUBLE_EQ(zoom.Scale(200, 300, 400, 300), 0.25);
}

}  // namespace
}  // namespace tavoric
