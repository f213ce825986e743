#include "ui/charview/favourites.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>

#include "platform/text.h"
#include "settings/ini_values.h"
#include "ui/charview/unicode_blocks.h"

namespace velura {

TUserItem NormalizedUserItem(int blockIndex, std::u16string text) {
  return {blockIndex < 0 ? -1 : blockIndex, std::move(text)};
}

TUserItem FavouriteFromStored(const UserBlockItem& stored) {
  if (!stored.BlockStart) return NormalizedUserItem(stored.BlockIndex, stored.Text);
  const int index = AddedBlockStartingAt(stored.BlockStart);
  return {index < 0 ? -1 : BlockNumberAt(index), stored.Text};
}

UserBlockItem StoredFavourite(const TUserItem& slot) {
  const int index = slot.BlockIndex >= kAddedBlockBase ? ListIndexOfBlock(slot.BlockIndex) : -1;
  if (index >= 0) return {-1, slot.UserStr, ViewerBlock(index).First};
  return {slot.BlockIndex, slot.UserStr, 0};
}

std::u16string BlockNumberText(int blockNumber) {
  const int index = blockNumber >= kAddedBlockBase ? ListIndexOfBlock(blockNumber) : -1;
  return index >= 0 ? FormatProfileCodePoint(ViewerBlock(index).First) : DecimalU16(blockNumber);
}

AddFavouriteOutcome AddFavourite(TUserItems& slots, int blockIndex) {
  if (blockIndex < 0) return AddFavouriteOutcome::Nothing;
  if (std::any_of(slots.begin(), slots.end(), [&](const TUserItem& s) { return s.BlockIndex == blockIndex; }))
    return AddFavouriteOutcome::Duplicate;
  for (TUserItem& slot : slots) {
    if (slot.BlockIndex != -1) continue;
    slot.BlockIndex = blockIndex;
    return AddFavouriteOutcome::Added;
  }
  return AddFavouriteOutcome::Full;
}

void ReplaceFirstFavourite(TUserItems& slots, int blockIndex) { slots[0].BlockIndex = blockIndex; }

std::vector<FavouriteMenuItem> FavouriteMenuItems(const TUserItems& slots) {
  std::vector<FavouriteMenuItem> items;
  int k = 0;
  for (const TUserItem& slot : slots) {
    if (slot.BlockIndex == -1) continue;
    items.push_back({DecimalU16(k) + u"  " + BlockName(slot.BlockIndex) + u"  - " + slot.UserStr,
                     slot.BlockIndex + kFavouriteTagBase});
    ++k;
  }
  return items;
}

namespace {

// An index cell read as a block number: optional sign and digits, or the "U+" form of BlockNumberText.
bool ReadInteger(const std::u16string& text, int& value) {
  if (const char32_t start = ParseProfileCodePoint(text)) {
    const int index = AddedBlockStartingAt(start);
    value = BlockNumberAt(index);
    return index >= 0;
  }
  if (text.empty() || text.size() > 11) return false;
  std::string ascii;
  for (char16_t c : text) {
    if (c > 0x7F) return false;
    ascii += static_cast<char>(c);
  }
  const char* end = ascii.data() + ascii.size();
  const auto [ptr, error] = std::from_chars(ascii.data(), end, value);
  return error == std::errc() && ptr == end;
}

}  // namespace

FavouritesTable::FavouritesTable(const TUserItems& slots) {
  for (std::size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].BlockIndex == -1) continue;
    rows_[i] = {BlockNumberText(slots[i].BlockIndex), BlockName(slots[i].BlockIndex), slots[i].UserStr};
  }
}

int FavouritesTable::BlockIndexOf(int row) const {
  int value = -1;
  return ReadInteger(Row(row).index, value) ? value : -1;
}

FavouritesTable::Details FavouritesTable::DetailsOf(int row) const {
  int value = 0;
  if (!ReadInteger(Row(row).index, value)) return {};
  return {Row(row).name, Row(row).description};
}

void FavouritesTable::SetDescription(int row, std::u16string text) {
  rows_.at(static_cast<std::size_t>(row)).description = std::move(text);
}

bool FavouritesTable::AddOrChange(int row, int blockIndex) {
  FavouriteRow& target = rows_.at(static_cast<std::size_t>(row));
  for (int r = 0; r < kUserItemCount; ++r) {
    int value = 0;
    if (ReadInteger(rows_[static_cast<std::size_t>(r)].index, value) && value == blockIndex) return false;
  }
  target.index = BlockNumberText(blockIndex);
  target.name = BlockName(blockIndex);
  return true;
}

void FavouritesTable::Delete(int row) { rows_.at(static_cast<std::size_t>(row)) = {}; }

void FavouritesTable::Clear() { rows_.fill({}); }

void FavouritesTable::Sort(int tag) {
  if (tag == 1) {
    auto key = [](const FavouriteRow& row) {
      int value = 0;
      return ReadInteger(row.index, value) ? value : std::numeric_limits<int>::max();
    };
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&](const FavouriteRow& a, const FavouriteRow& b) { return key(a) < key(b); });
  } else if (tag == 2) {
    // Names are ASCII, so comparing code units is comparing the ANSI bytes; empty names come first.
    std::stable_sort(rows_.begin(), rows_.end(),
                     [](const FavouriteRow& a, const FavouriteRow& b) { return a.name < b.name; });
  }
}

void FavouritesTable::MoveRow(int from, int to) {
  if (from < 0 || to < 0 || from >= kUserItemCount || to >= kUserItemCount || from == to) return;
  FavouriteRow moved = std::move(rows_[static_cast<std::size_t>(from)]);
  if (from < to) std::move(rows_.begin() + from + 1, rows_.begin() + to + 1, rows_.begin() + from);
  else std::move_backward(rows_.begin() + to, rows_.begin() + from, rows_.begin() + from + 1);
  rows_[static_cast<std::size_t>(to)] = std::move(moved);
}

TUserItems FavouritesTable::ToSlots() const {
  TUserItems slots;
  std::size_t next = 0;
  for (int row = 0; row < kUserItemCount; ++row) {
    const int index = BlockIndexOf(row);
    if (index < 0) continue;
    slots[next++] = {index, Row(row).description};
  }
  return slots;
}

}  // namespace velura
