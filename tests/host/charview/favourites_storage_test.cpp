// Favourites in the settings file: slots stored before read and write back unchanged, blocks beyond the
// designed table go by their first code point, and the integer reader older copies use skips that form.
#include <gtest/gtest.h>

#include <memory>

#include "../settings/memory_profile.h"
#include "platform/text.h"
#include "settings/ini_values.h"
#include "ui/charview/favourites.h"
#include "ui/charview/unicode_blocks.h"

namespace velura {
namespace {

class FavouritesStorage : public ::testing::Test {
 protected:
  testing::ProfileData data;
  TIniKeeper keeper{std::make_unique<testing::MemoryProfile>(data)};

  void Store(int n, std::u16string index, std::u16string text) {
    data.values[{u"MyUniBlock", DecimalU16(n) + u"index"}] = std::move(index);
    data.values[{u"MyUniBlock", DecimalU16(n) + u"UserStr"}] = std::move(text);
  }
  TUserItems ReadAll() const {
    TUserItems slots;
    for (int n = 0; n < kUserItemCount; ++n) slots[static_cast<std::size_t>(n)] = FavouriteFromStored(keeper.ReadUserItem(n));
    return slots;
  }
  void WriteAll(const TUserItems& slots) {
    for (int n = 0; n < kUserItemCount; ++n) keeper.WriteUserItem(n, StoredFavourite(slots[static_cast<std::size_t>(n)]));
  }
};

TEST_F(FavouritesStorage, AFileFromBeforeReadsAndWritesBackUnchanged) {
  // Designed blocks, empty slots, and a hand-written number that is no block (shown as "ERROR").
  const std::u16string indexes[kUserItemCount] = {u"50", u"-1", u"0", u"102", u"140", u"-1", u"59", u"72", u"101", u"-1"};
  for (int n = 0; n < kUserItemCount; ++n) Store(n, indexes[n], u"説明" + DecimalU16(n));
  const auto before = data.values;
  const TUserItems slots = ReadAll();
  EXPECT_EQ(slots[0], (TUserItem{50, u"説明0"}));
  EXPECT_EQ(BlockName(slots[4].BlockIndex), u"ERROR");  // still no block, though the list is longer now
  WriteAll(slots);
  EXPECT_EQ(data.values, before);
}

TEST_F(FavouritesStorage, AnAddedBlockGoesByItsFirstCodePointAndComesBack) {
  const int extB = BlockOfCodePoint(0x20BB7);
  ASSERT_GE(extB, kUniBlockCount);
  TUserItems slots;
  slots[0] = {BlockNumberAt(extB), u"拡張B"};
  slots[1] = {50, u"かな"};
  WriteAll(slots);
  EXPECT_EQ((data.values[{u"MyUniBlock", u"0index"}]), u"U+20000");
  EXPECT_EQ((data.values[{u"MyUniBlock", u"1index"}]), u"50");
  EXPECT_EQ(ReadAll(), slots);
  EXPECT_EQ(FavouritesTable(slots).Row(0).index, u"U+20000");
  // A block this build does not know (written by a newer copy) reads as an empty slot.
  Store(2, u"U+E1000", u"");
  EXPECT_EQ(ReadAll()[2].BlockIndex, -1);
}

TEST_F(FavouritesStorage, OlderCopiesReadTheNewFormAsAnEmptySlot) {
  // An older copy reads the index with the integer reader and takes a negative index as an empty slot: the
  // "U+" form gives it its default, -1, so the slot is skipped rather than shown as "ERROR".
  const std::int32_t oldIndex = ParseProfileInt(u"U+1F300", -1);
  EXPECT_EQ(oldIndex, -1);
  TUserItems slots;
  slots[0] = NormalizedUserItem(oldIndex, u"絵文字");
  EXPECT_TRUE(FavouriteMenuItems(slots).empty());
}

}  // namespace
}  // namespace velura
