#include "ui/framework/dock_layout.h"

#include <gtest/gtest.h>

namespace velura::ui::dock {
namespace {

TEST(DockLayout, TopAndBottomBarsTakeFullWidthThenSidesThenClientTakesTheRest) {
  // A browser-like frame: tool bar, status bar, left tree, right details, client sample list.
  const std::vector<Item> items = {Docked(Align::Client, 0), Docked(Align::Left, 250), Docked(Align::Top, 30),
                                   Docked(Align::Right, 180), Docked(Align::Bottom, 20)};
  const auto r = Arrange(items, 800, 600, 800, 600, 96);
  EXPECT_EQ(r[2], (Rect{0, 0, 800, 30}));
  EXPECT_EQ(r[4], (Rect{0, 580, 800, 20}));
  EXPECT_EQ(r[1], (Rect{0, 30, 250, 550}));
  EXPECT_EQ(r[3], (Rect{620, 30, 180, 550}));
  EXPECT_EQ(r[0], (Rect{250, 30, 370, 550}));
}

TEST(DockLayout, SameAlignmentStacksInDeclarationOrderAndHiddenItemsTakeNoSpace) {
  std::vector<Item> items = {Docked(Align::Top, 20), Docked(Align::Top, 30), Docked(Align::Top, 40),
                             Docked(Align::Client, 0)};
  items[1].visible = false;
  const auto r = Arrange(items, 100, 200, 100, 200, 96);
  EXPECT_EQ(r[0], (Rect{0, 0, 100, 20}));
  EXPECT_EQ(r[1], Rect{});
  EXPECT_EQ(r[2], (Rect{0, 20, 100, 40}));
  EXPECT_EQ(r[3], (Rect{0, 60, 100, 140}));
}

TEST(DockLayout, ATooSmallClientNeverGivesNegativeSizes) {
  const std::vector<Item> items = {Docked(Align::Top, 217), Docked(Align::Left, 250), Docked(Align::Right, 180),
                                   Docked(Align::Client, 0)};
  const auto r = Arrange(items, 300, 100, 800, 565, 96);
  EXPECT_EQ(r[0], (Rect{0, 0, 300, 100}));
  EXPECT_EQ(r[1], (Rect{0, 100, 250, 0}));
  EXPECT_EQ(r[2], (Rect{250, 100, 50, 0}));
  EXPECT_EQ(r[3], (Rect{250, 100, 0, 0}));  // the right item took what the left one left
}

TEST(DockLayout, DesignRectanglesScaleToTheWindowDpi) {
  Item button;
  button.design = {104, 66, 75, 25};
  const std::vector<Item> items = {Docked(Align::Top, 30), button};
  const auto r = Arrange(items, 440, 188, 293, 125, 144);
  EXPECT_EQ(r[0].height, 45);
  EXPECT_EQ(r[1], (Rect{156, 99, 113, 38}));  // 112.5 and 37.5 round up, as MulDiv does
  EXPECT_EQ(Scale(-3, 144), -5);
  EXPECT_EQ(Unscale(Scale(217, 120), 120), 217);
}

TEST(DockLayout, AnchorsKeepDistancesToTheEdgesOfTheDesignClient) {
  Item right, stretch, bottomRight, none;
  right.design = {200, 10, 80, 20};
  right.anchors = {false, true, true, false};
  stretch.design = {10, 10, 280, 100};
  stretch.anchors = {true, true, true, true};
  bottomRight.design = {220, 270, 70, 25};
  bottomRight.anchors = {false, false, true, true};
  none.design = {5, 5, 10, 10};
  none.anchors = {false, false, false, false};
  const auto r = Arrange({right, stretch, bottomRight, none}, 400, 500, 300, 300, 96);
  EXPECT_EQ(r[0], (Rect{300, 10, 80, 20}));
  EXPECT_EQ(r[1], (Rect{10, 10, 380, 300}));
  EXPECT_EQ(r[2], (Rect{320, 470, 70, 25}));
  EXPECT_EQ(r[3], (Rect{5, 5, 10, 10}));
  // Shrunk below the design: a stretched item collapses to zero, it never turns negative.
  const auto small = Arrange({stretch}, 15, 15, 300, 300, 96);
  EXPECT_EQ(small[0].width, 0);
  EXPECT_EQ(small[0].height, 0);
}

TEST(DockLayout, SplitterResizesItsTargetWithinTheLimits) {
  std::vector<Item> items = {Docked(Align::Left, 250, "Panel_left"), Docked(Align::Left, 3, "Splitter1V"),
                             Docked(Align::Client, 0)};
  items[1].splitterTarget = "Panel_left";
  EXPECT_EQ(DragSplitter(items, 1, 50, 800, 600, 800, 600, 96), 300);
  EXPECT_EQ(DragSplitter(items, 1, -1000, 800, 600, 800, 600, 96), 30);       // target's minimum
  EXPECT_EQ(DragSplitter(items, 1, 1000, 800, 600, 800, 600, 96), 800 - 3 - 30);  // client keeps its minimum
  // At 192 DPI a drag of 100 device pixels is 50 design pixels.
  EXPECT_EQ(DragSplitter(items, 1, 100, 1600, 1200, 800, 600, 192), 300);

  // Right and bottom splitters grow their target when dragged left or up.
  std::vector<Item> right = {Docked(Align::Right, 180, "Panel_right"), Docked(Align::Right, 3), Docked(Align::Client, 0)};
  right[1].splitterTarget = "Panel_right";
  EXPECT_EQ(DragSplitter(right, 1, -20, 800, 600, 800, 600, 96), 200);
}

TEST(DockLayout, SplitterWithoutAValidTargetDoesNothing) {
  std::vector<Item> items = {Docked(Align::Top, 100, "Panel_top"), Docked(Align::Left, 3), Docked(Align::Client, 0)};
  items[1].splitterTarget = "Panel_top";  // a different alignment
  EXPECT_EQ(DragSplitter(items, 1, 10, 800, 600, 800, 600, 96), -1);
  items[1].splitterTarget = "missing";
  EXPECT_EQ(DragSplitter(items, 1, 10, 800, 600, 800, 600, 96), -1);
  EXPECT_EQ(DragSplitter(items, 7, 10, 800, 600, 800, 600, 96), -1);
}

}  // namespace
}  // namespace velura::ui::dock
