#include "ui/fontviews/list_box_zel_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velura {
namespace {

TEST(ListBoxZel, ClickFiresOnlyWhenTheIndexChangedAndRemembersThePreviousOne) {
  ListBoxZelState state;
  EXPECT_TRUE(ListBoxZelClick(state, 2));
  EXPECT_EQ(state.previousIndex, -1);
  EXPECT_EQ(state.currentIndex, 2);
  EXPECT_FALSE(ListBoxZelClick(state, 2));  // the already selected item again
  EXPECT_TRUE(ListBoxZelClick(state, 0));
  EXPECT_EQ(state.previousIndex, 2);
  EXPECT_TRUE(ListBoxZelClick(state, -1));  // selection cleared: a change too
  EXPECT_EQ(state.currentIndex, -1);
}

TEST(ListBoxZel, ClickCancelReportsNothingAndKeepsTheIndexes) {
  ListBoxZelState state{true, -1, -1};
  EXPECT_FALSE(ListBoxZelClick(state, 3));
  EXPECT_EQ(state.currentIndex, -1);
  state.ClickCancel = false;
  EXPECT_TRUE(ListBoxZelClick(state, 3));
}

TEST(ListBoxZel, VisibleRowsUseTheSignedFontHeight) {
  EXPECT_EQ(ListBoxZelVisibleRows(100, 16), 5);    // 100 / 20
  EXPECT_EQ(ListBoxZelVisibleRows(100, -15), 9);   // |100 / -11|
  EXPECT_EQ(ListBoxZelVisibleRows(10, 16), 0);
  EXPECT_GT(ListBoxZelVisibleRows(100, -4), 0);    // undefined division: some positive count
}

TEST(ListBoxZel, ExtentIsTheWidestLineInViewWithItsBlank) {
  const std::vector<std::u16string> items = {u"a", u"abcdef", u"abc", u"abcdefghij", u"ab"};
  auto measure = [&](int index, bool withBlank) {
    return static_cast<int>(items[static_cast<std::size_t>(index)].size() * 10 + (withBlank ? 4 : 0));
  };
  EXPECT_EQ(ListBoxZelExtent(0, 5, 3, measure), 64);    // rows 0..2: "abcdef" + blank
  EXPECT_EQ(ListBoxZelExtent(2, 5, 10, measure), 104);  // stops at the last item
  EXPECT_EQ(ListBoxZelExtent(0, 0, 5, measure), 0);     // no items
  EXPECT_EQ(ListBoxZelExtent(0, 5, 0, measure), 0);     // no row in view
}

}  // namespace
}  // namespace velura

#include "records/record_rules.h"
#include "ui/fontviews/state_image_slots.h"

namespace velura {
namespace {

TEST(StateImageSlots, EveryRecordIndexFitsAFourBitTreeStateAndComesBack) {
  for (int index : {-1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, kUndisplayableImage}) {
    const int slot = TreeStateSlot(index);
    EXPECT_LE(slot, 15) << index;
    if (index > 0) {
      EXPECT_EQ(StateImageOfSlot(slot), index);
    }
  }
  EXPECT_EQ(StateImageOfSlot(0), -1);
}

}  // namespace
}  // namespace velura
