// The favourite blocks: adding from the viewer, the menus, and the management dialog's table.
#include <gtest/gtest.h>

#include "ui/charview/favourites.h"

namespace velura {
namespace {

TUserItems TenFilled() {
  TUserItems slots;
  for (int i = 0; i < kUserItemCount; ++i)
    slots[static_cast<std::size_t>(i)] = {i * 3, u"d" + std::u16string(1, u'0' + i)};
  return slots;
}

TEST(Favourites, AddingFillsTheFirstEmptySlotAndRefusesADuplicate) {
  TUserItems slots;
  slots[0] = {50, u"かな"};
  slots[2].UserStr = u"kept";
  EXPECT_EQ(AddFavourite(slots, -1), AddFavouriteOutcome::Nothing);
  EXPECT_EQ(AddFavourite(slots, 50), AddFavouriteOutcome::Duplicate);
  EXPECT_EQ(AddFavourite(slots, 7), AddFavouriteOutcome::Added);
  EXPECT_EQ(slots[1].BlockIndex, 7);
  EXPECT_EQ(AddFavourite(slots, 8), AddFavouriteOutcome::Added);
  EXPECT_EQ(slots[2], (TUserItem{8, u"kept"}));  // an empty slot keeps its description
}

TEST(Favourites, AnEleventhAsksAndNoReplacesSlotZeroKeepingItsDescription) {
  TUserItems slots = TenFilled();
  const TUserItems before = slots;
  EXPECT_EQ(AddFavourite(slots, 50), AddFavouriteOutcome::Full);
  EXPECT_EQ(slots, before);
  ReplaceFirstFavourite(slots, 50);
  EXPECT_EQ(slots[0], (TUserItem{50, u"d0"}));
  for (int i = 1; i < kUserItemCount; ++i)
    EXPECT_EQ(slots[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]);
}

TEST(Favourites, SlotsReadFromTheSettings) {
  EXPECT_EQ(NormalizedUserItem(-7, u"x"), (TUserItem{-1, u"x"}));
  EXPECT_EQ(NormalizedUserItem(140, u"x"), (TUserItem{140, u"x"}));
}

TEST(Favourites, MenuItemsNumberTheFilledSlotsOnly) {
  TUserItems slots;
  slots[1] = {50, u"かな"};
  slots[4] = {140, u""};
  slots[9] = {0, u"ascii"};
  const auto items = FavouriteMenuItems(slots);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].caption, u"0  Hiragana  - かな");
  EXPECT_EQ(items[0].tag, 100050);
  EXPECT_EQ(items[1].caption, u"1  ERROR  - ");
  EXPECT_EQ(items[2].caption, u"2  Basic Latin  - ascii");
  EXPECT_EQ(items[2].tag, 100000);
  EXPECT_TRUE(IsFavouriteTag(items[2].tag));
  EXPECT_FALSE(IsFavouriteTag(99999));
  EXPECT_EQ(BlockOfFavouriteTag(items[0].tag), 50);
  EXPECT_TRUE(FavouriteMenuItems(TUserItems{}).empty());
}

TEST(FavouritesTable, LoadsTheSlotsAndShowsDetails) {
  TUserItems slots;
  slots[0] = {50, u"かな"};
  slots[3] = {-1, u"no block"};
  const FavouritesTable table(slots);
  EXPECT_EQ(table.Row(0), (FavouriteRow{u"50", u"Hiragana", u"かな"}));
  EXPECT_EQ(table.Row(3), FavouriteRow{});  // an empty slot's description is not shown
  EXPECT_EQ(table.DetailsOf(0).name, u"Hiragana");
  EXPECT_EQ(table.DetailsOf(0).description, u"かな");
  EXPECT_EQ(table.DetailsOf(1).name, u"");
  EXPECT_EQ(table.BlockIndexOf(1), -1);
}

TEST(FavouritesTable, AddOrChangeRefusesAnyDuplicateAndKeepsTheDescription) {
  TUserItems slots;
  slots[0] = {50, u"かな"};
  slots[1] = {51, u"カナ"};
  FavouritesTable table(slots);
  EXPECT_FALSE(table.AddOrChange(0, 50));  // the current row's own block
  EXPECT_FALSE(table.AddOrChange(4, 51));
  EXPECT_EQ(table.Row(4), FavouriteRow{});
  EXPECT_TRUE(table.AddOrChange(0, 72));
  EXPECT_EQ(table.Row(0), (FavouriteRow{u"72", u"Specials", u"かな"}));
}

TEST(FavouritesTable, OkPacksFilledRowsFirstAndDropsDescriptionsOfEmptyRows) {
  TUserItems slots;
  slots[0] = {1, u"a"};
  slots[1] = {2, u"b"};
  slots[2] = {3, u"c"};
  slots[3] = {4, u"d"};
  FavouritesTable table(slots);
  table.Delete(2);  // row 3
  table.SetDescription(6, u"lost");
  const TUserItems result = table.ToSlots();
  EXPECT_EQ(result[0], (TUserItem{1, u"a"}));
  EXPECT_EQ(result[1], (TUserItem{2, u"b"}));
  EXPECT_EQ(result[2], (TUserItem{4, u"d"}));
  for (int i = 3; i < kUserItemCount; ++i) EXPECT_EQ(result[static_cast<std::size_t>(i)], TUserItem{});
  table.Clear();
  EXPECT_EQ(table.ToSlots(), TUserItems{});
}

TEST(FavouritesTable, SortsByIndexWithEmptyRowsLastAndByNameWithEmptyRowsFirst) {
  TUserItems slots;
  slots[1] = {72, u"s"};  // Specials
  slots[3] = {0, u"b"};   // Basic Latin
  slots[5] = {50, u"h"};  // Hiragana
  FavouritesTable table(slots);
  table.Sort(1);
  EXPECT_EQ(table.Row(0).index, u"0");
  EXPECT_EQ(table.Row(1).index, u"50");
  EXPECT_EQ(table.Row(2).index, u"72");
  for (int r = 3; r < kUserItemCount; ++r) EXPECT_EQ(table.Row(r).index, u"");
  table.Sort(2);
  for (int r = 0; r < 7; ++r) EXPECT_EQ(table.Row(r).name, u"");
  EXPECT_EQ(table.Row(7).name, u"Basic Latin");
  EXPECT_EQ(table.Row(8).name, u"Hiragana");
  EXPECT_EQ(table.Row(9).name, u"Specials");
  EXPECT_EQ(table.Row(9).description, u"s");  // rows move whole
  const auto before = table.Rows();
  table.Sort(3);
  EXPECT_EQ(table.Rows(), before);
}

TEST(FavouritesTable, MovingARowShiftsTheRowsBetween) {
  TUserItems slots;
  for (int i = 0; i < 4; ++i) slots[static_cast<std::size_t>(i)] = {i, u""};
  FavouritesTable table(slots);
  table.MoveRow(0, 2);
  EXPECT_EQ(table.BlockIndexOf(0), 1);
  EXPECT_EQ(table.BlockIndexOf(1), 2);
  EXPECT_EQ(table.BlockIndexOf(2), 0);
  table.MoveRow(3, 0);
  EXPECT_EQ(table.BlockIndexOf(0), 3);
  EXPECT_EQ(table.BlockIndexOf(1), 1);
  table.MoveRow(3, 10);  // outside the table: nothing
  table.MoveRow(-1, 2);
  EXPECT_EQ(table.BlockIndexOf(2), 2);
  EXPECT_EQ(table.BlockIndexOf(3), 0);
}

}  // namespace
}  // namespace velura
