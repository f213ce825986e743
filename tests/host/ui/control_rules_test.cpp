#include "ui/framework/control_rules.h"

#include <gtest/gtest.h>

#include <climits>

#include "ui/framework/action_list.h"

namespace velura::ui {
namespace {

TEST(ControlRules, SpinValuesStayInTheRangeWhicheverWayItRuns) {
  EXPECT_EQ(ClampToRange(5, 1, 10), 5);
  EXPECT_EQ(ClampToRange(0, 1, 10), 1);
  EXPECT_EQ(ClampToRange(11, 1, 10), 10);
  EXPECT_EQ(ClampToRange(11, 10, 1), 10);  // an up-down counting down
  EXPECT_EQ(ClampToRange(-3, 10, 1), 1);
  EXPECT_EQ(ClampToRange(-7, -5, -5), -5);
  EXPECT_EQ(ClampToRange(INT_MIN, INT_MIN, INT_MAX), INT_MIN);
}

TEST(ControlRules, ColumnWidthsFollowTheDpiRoundedAsMulDiv) {
  EXPECT_EQ(RescaleWidth(100, 96, 144), 150);
  EXPECT_EQ(RescaleWidth(150, 144, 96), 100);
  EXPECT_EQ(RescaleWidth(75, 96, 120), 94);   // 93.75
  EXPECT_EQ(RescaleWidth(3, 96, 144), 5);     // 4.5 rounds up
  EXPECT_EQ(RescaleWidth(0, 96, 144), 0);
  EXPECT_EQ(RescaleWidth(-4, 96, 144), 0);    // a bad width never turns into a negative one
  EXPECT_EQ(RescaleWidth(80, 0, 144), 80);    // no DPI to scale from: left as it is
  EXPECT_EQ(RescaleWidth(1000000000, 96, 192), 2000000000);  // no overflow on the way
}

TEST(ControlRules, OnlyAChangeOfTheSelectedBitIsASelectionChange) {
  ListItemChange change{.item = 3, .stateChanged = true, .wasSelected = false, .isSelected = true};
  EXPECT_TRUE(IsSelectionChange(change));
  change.wasSelected = change.isSelected = true;  // the focus moved, the selection stayed
  EXPECT_FALSE(IsSelectionChange(change));
  change.wasSelected = false;
  change.stateChanged = false;  // the text changed
  EXPECT_FALSE(IsSelectionChange(change));
  EXPECT_TRUE(IsSelectionChange({.item = -1, .stateChanged = true, .wasSelected = true, .isSelected = false}));
}

TEST(ControlRules, TicksAreChangesBetweenTheTwoBoxImagesOnly) {
  EXPECT_EQ(TickChange({.item = 0, .stateChanged = true, .oldImage = 1, .newImage = 2}), true);
  EXPECT_EQ(TickChange({.item = 0, .stateChanged = true, .oldImage = 2, .newImage = 1}), false);
  // An inserted item given its first image, no change, a change of something else, or no item.
  EXPECT_EQ(TickChange({.item = 0, .stateChanged = true, .oldImage = 0, .newImage = 1}), std::nullopt);
  EXPECT_EQ(TickChange({.item = 0, .stateChanged = true, .oldImage = 0, .newImage = 2}), std::nullopt);
  EXPECT_EQ(TickChange({.item = 0, .stateChanged = true, .oldImage = 2, .newImage = 2}), std::nullopt);
  EXPECT_EQ(TickChange({.item = 0, .stateChanged = false, .oldImage = 1, .newImage = 2}), std::nullopt);
  EXPECT_EQ(TickChange({.item = -1, .stateChanged = true, .oldImage = 1, .newImage = 2}), std::nullopt);
  EXPECT_EQ(TickChange({.item = 0, .stateChanged = true, .oldImage = 2, .newImage = 5}), std::nullopt);
}

TEST(ControlRules, KeyboardMenusOpenUnderTheSelectedItemWhileItIsInView) {
  const dock::Rect client{0, 0, 200, 100};
  EXPECT_EQ(KeyboardMenuPoint(std::nullopt, client), (Point{0, 0}));
  EXPECT_EQ(KeyboardMenuPoint(dock::Rect{4, 36, 150, 18}, client), (Point{4, 54}));
  // Partly in view: kept inside the client area.
  EXPECT_EQ(KeyboardMenuPoint(dock::Rect{-30, 90, 150, 18}, client), (Point{0, 99}));
  // Scrolled out of view above or below, or empty: the top-left corner.
  EXPECT_EQ(KeyboardMenuPoint(dock::Rect{4, -18, 150, 18}, client), (Point{0, 0}));
  EXPECT_EQ(KeyboardMenuPoint(dock::Rect{4, 100, 150, 18}, client), (Point{0, 0}));
  EXPECT_EQ(KeyboardMenuPoint(dock::Rect{4, 36, 0, 0}, client), (Point{0, 0}));
  // A client area of no size still gives its corner.
  EXPECT_EQ(KeyboardMenuPoint(dock::Rect{0, 0, 10, 10}, dock::Rect{5, 5, 0, 0}), (Point{5, 5}));
}

TEST(ControlRules, ActionsAreWrittenWithDesignatedInitializers) {
  int runs = 0;
  bool on = false;
  ActionList actions;
  actions.Add({.id = 1, .caption = u"閉じる", .execute = [&] { ++runs; }});
  actions.Add({.id = 2, .caption = u"詳細を隠す", .hint = u"詳細", .shortcut = MakeShortcut('D', false, true, false),
               .enabled = [&] { return on; }, .checked = [&] { return on; }, .radio = true,
               .execute = [&] { on = !on; }});
  EXPECT_TRUE(actions.Execute(1));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(actions.Find(1)->hint, u"");
  EXPECT_FALSE(actions.Find(1)->radio);
  EXPECT_FALSE(actions.IsEnabled(2));
  on = true;
  EXPECT_TRUE(actions.IsChecked(2));
  EXPECT_TRUE(actions.Execute(2));
  EXPECT_FALSE(on);
  EXPECT_EQ(actions.MenuText(2), u"詳細を隠す\tCtrl+D");
}

}  // namespace
}  // namespace velura::ui
