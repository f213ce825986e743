// The viewer's ten favourite blocks: adding one from the block list, the favourite items of its menus, and
// the table the management dialog edits (add or change, delete, clear, sort, move, OK and Cancel).
#pragma once
#include <array>
#include <string>
#include <vector>

#include "settings/ini_keeper.h"

namespace velura {

struct TUserItem {
  int BlockIndex = -1;  // the block's number (unicode_blocks.h); -1: an empty slot
  std::u16string UserStr;
  bool operator==(const TUserItem&) const = default;
};
inline constexpr int kUserItemCount = 10;
using TUserItems = std::array<TUserItem, kUserItemCount>;

// A slot as read from the settings: a negative index other than -1 names no block and is an empty slot.
TUserItem NormalizedUserItem(int blockIndex, std::u16string text);
// The settings' form of a slot and back: a block after the designed 103 goes by its first code point, so it
// survives a change in the list's numbering; one this program's list lacks reads as an empty slot.
TUserItem FavouriteFromStored(const UserBlockItem& stored);
UserBlockItem StoredFavourite(const TUserItem& slot);
// A block number as the management dialog's index cell shows it: decimal for the designed blocks, "U+1F300"
// (the first code point) for the others.
std::u16string BlockNumberText(int blockNumber);

// "お気に入りに追加" for the block list's current index.
enum class AddFavouriteOutcome {
  Nothing,    // no block is current
  Duplicate,  // a slot holds it already: "すでにお気に入りに登録済みです"
  Added,      // it went into the first empty slot, whose description stays
  Full,       // no slot is empty: ask what to do
};
AddFavouriteOutcome AddFavourite(TUserItems& slots, int blockIndex);
// The "いいえ" answer to a full list: slot 0 takes the block and keeps its description.
void ReplaceFirstFavourite(TUserItems& slots, int blockIndex);

inline constexpr char16_t kFavouritesFullText[] =
    u"お気に入りで管理できるのは１０件です\r\nお気に入りの管理ダイアログを開きますか？\r\n\r\n"
    u"「はい」　　ダイアログを開きます\r\n「いいえ」　ダイアログを開かずリストの先頭を入れ換えます\r\n"
    u"「キャンセル」　処理を中止します";

// The favourite items of the menus: filled slots only, numbered 0, 1, 2 ... among themselves; the tag is the
// block index + 100000, so that the items built last time (tags above 99999) can be found again.
inline constexpr int kFavouriteTagBase = 100000;
struct FavouriteMenuItem {
  std::u16string caption;  // "0  Hiragana  - かな"
  int tag = 0;
};
std::vector<FavouriteMenuItem> FavouriteMenuItems(const TUserItems& slots);
inline bool IsFavouriteTag(int tag) { return tag > kFavouriteTagBase - 1; }
inline int BlockOfFavouriteTag(int tag) { return tag - kFavouriteTagBase; }

// The management dialog's ten rows (rows 1 ... 10 of its grid; index 0 here is row 1). A row's index cell
// is BlockNumberText, empty for an empty row.
struct FavouriteRow {
  std::u16string index, name, description;
  bool operator==(const FavouriteRow&) const = default;
};

class FavouritesTable {
 public:
  // Loads the slots: a row per slot, filled when the slot names a block.
  explicit FavouritesTable(const TUserItems& slots);

  const std::array<FavouriteRow, kUserItemCount>& Rows() const { return rows_; }
  const FavouriteRow& Row(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  // The block index of a row, or -1 when its index cell holds no number.
  int BlockIndexOf(int row) const;

  // What the details show for a row: its name and description, or nothing for a row without a block.
  struct Details {
    std::u16string name, description;
  };
  Details DetailsOf(int row) const;

  // Every change of the description box: also on a row without a block (dropped on OK).
  void SetDescription(int row, std::u16string text);
  // "追加・変更": false ("重複登録はできません") when any row holds the block already, the row itself
  // included; otherwise the row takes the block's index and name and keeps its description.
  bool AddOrChange(int row, int blockIndex);
  // "削除" and "すべてクリア".
  void Delete(int row);
  void Clear();
  // Tag 1 by index (empty rows last), tag 2 by name (empty rows first); any other tag changes nothing.
  void Sort(int tag);
  // A row dragged to another place; the rows between shift by one.
  void MoveRow(int from, int to);

  // OK: the filled rows in table order, then empty slots.
  TUserItems ToSlots() const;

 private:
  std::array<FavouriteRow, kUserItemCount> rows_;
};

inline constexpr char16_t kDuplicateFavouriteText[] = u"重複登録はできません";
// At most this many characters of a description are typed.
inline constexpr int kMaxDescriptionLength = 30;

}  // namespace velura
