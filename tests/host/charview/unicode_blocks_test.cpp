// The viewer's block table, its grid arithmetic and its status texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "ui/charview/unicode_blocks.h"

namespace velura {
namespace {

// The index is the block's number in stored favourites, so a few rows pin the viewer's own order; the rest
// must only be well-formed.
TEST(UniBlocks, TheTableKeepsItsOwnOrderAndRanges) {
  struct Expected {
    int index;
    const char16_t* name;
    std::uint16_t first, last;
  };
  const Expected rows[] = {{0, u"Basic Latin", 0x0000, 0x007F},
                           {13, u"Devanagari", 0x0900, 0x097F},  // Syriac and Thaana come much later
                           {50, u"Hiragana", 0x3040, 0x309F},
                           {59, u"CJK Unified Ideographs", 0x4E00, 0x9FAF},
                           {72, u"Specials", 0xFFF0, 0xFFFF},
                           {102, u"High Surrogate Area", 0xD800, 0xDBFF}};
  ASSERT_EQ(kUniBlocks.size(), 103u);
  for (const Expected& row : rows) {
    const TUniBlock& block = kUniBlocks[static_cast<std::size_t>(row.index)];
    EXPECT_EQ(std::u16string(block.Name), row.name) << row.index;
    EXPECT_EQ(block.First, row.first) << row.index;
    EXPECT_EQ(block.Last, row.last) << row.index;
  }
}

TEST(UniBlocks, BlocksAreWholeRowsWithDistinctNamesAndNeverOverlap) {
  std::set<std::u16string> names;
  for (const TUniBlock& block : kUniBlocks) {
    SCOPED_TRACE(std::string(block.Name, block.Name + std::char_traits<char16_t>::length(block.Name)));
    EXPECT_LT(block.First, block.Last);
    EXPECT_EQ(block.First % 16, 0);
    EXPECT_EQ((block.Last - block.First + 1) % 16, 0);
    EXPECT_TRUE(names.insert(block.Name).second);
  }
  // The table is not in code point order; sorted by start, each block ends before the next begins.
  std::vector<TUniBlock> byStart(kUniBlocks.begin(), kUniBlocks.end());
  std::sort(byStart.begin(), byStart.end(), [](const TUniBlock& a, const TUniBlock& b) { return a.First < b.First; });
  for (std::size_t i = 1; i < byStart.size(); ++i)
    EXPECT_LT(byStart[i - 1].Last, byStart[i].First) << "block at " << static_cast<unsigned>(byStart[i].First);
}

TEST(UniBlocks, BlockNamesForAnyIndex) {
  EXPECT_EQ(BlockName(-1), u"");
  EXPECT_EQ(BlockName(0), u"Basic Latin");
  EXPECT_EQ(BlockName(102), u"High Surrogate Area");
  EXPECT_EQ(BlockName(103), u"ERROR");
  EXPECT_EQ(BlockName(140), u"ERROR");
  EXPECT_EQ(BlockName(-2), u"ERROR");  // never read before the table
}

TEST(UniGrid, RowsAndCellsOfABlock) {
  EXPECT_EQ(BlockRowCount(kUniBlocks[0]), 8);
  EXPECT_EQ(BlockRowCount(kUniBlocks[59]), (0x9FAF - 0x4E00 + 1) / 16);
  // Specials: one row that ends at U+FFFF, and nothing past it.
  EXPECT_EQ(BlockRowCount(kUniBlocks[72]), 1);
  EXPECT_EQ(CellCodePoint(kUniBlocks[72], 0, 0), 0xFFF0);
  EXPECT_EQ(CellCodePoint(kUniBlocks[72], 0, 15), 0xFFFF);
  EXPECT_EQ(CellCodePoint(kUniBlocks[72], 1, 0), -1);
  // Hiragana: あ い う are U+3042, U+3044, U+3046 in row 0.
  EXPECT_EQ(CellCodePoint(kUniBlocks[50], 0, 2), 0x3042);
  EXPECT_EQ(CellCodePoint(kUniBlocks[50], 5, 15), 0x309F);
  EXPECT_EQ(CellCodePoint(kUniBlocks[50], 6, 0), -1);
  EXPECT_EQ(CellCodePoint(kUniBlocks[50], 0, 16), -1);
  EXPECT_EQ(CellCodePoint(kUniBlocks[50], -1, 0), -1);
  // The surrogate blocks hold lone surrogate code units.
  EXPECT_EQ(BlockRowCount(kUniBlocks[101]), 64);
  EXPECT_EQ(CellCodePoint(kUniBlocks[101], 0, 0), 0xDC00);
  EXPECT_EQ(CellCodePoint(kUniBlocks[102], 63, 15), 0xDBFF);
}

TEST(UniGrid, CellSizeFollowsThePointSizeAndTheDpi) {
  EXPECT_EQ(GridCellSize(10, 96), 18);
  EXPECT_EQ(GridCellSize(99, 96), 178);  // 178.2
  EXPECT_EQ(GridCellSize(16, 96), 29);   // 28.8
  EXPECT_EQ(GridCellSize(8, 96), 14);    // 14.4
  EXPECT_EQ(DesignCellSize(96), 30);
  EXPECT_EQ(DesignCellSize(144), 45);
  for (int dpi : {96, 120, 144, 192}) {
    for (int points = kMinGridPoints; points <= kMaxGridPoints; ++points) {
      // The glyph's character height fits its cell at every DPI.
      EXPECT_LE(-GridFontHeight(points, dpi), GridCellSize(points, dpi)) << points << " pt at " << dpi;
    }
  }
  EXPECT_EQ(GridFontHeight(10, 144), -20);
  EXPECT_EQ(GridCellSize(10, 144), 27);
  EXPECT_EQ(GridFontHeight(16, 96), -21);  // 21.33
  EXPECT_EQ(GridFontHeight(9, 96), -12);
  EXPECT_EQ(GridFontHeight(10, 120), -17);  // 16.67
}

TEST(UniTexts, StatusPanels) {
  EXPECT_EQ(BlockRangeText(kUniBlocks[0]), u"範囲　$0000 ～ $007F");
  EXPECT_EQ(BlockRangeText(kUniBlocks[72]), u"範囲　$FFF0 ～ $FFFF");
  EXPECT_EQ(CodePointText(0x3042), u"Unicode  $3042");
  EXPECT_EQ(CodePointText(0x00AB), u"Unicode  $00AB");
}

TEST(UniTexts, CopyNeedsText) {
  EXPECT_FALSE(CopyMenuStateFor(0, 0).copyAll);
  EXPECT_FALSE(CopyMenuStateFor(0, 0).copySelection);
  EXPECT_TRUE(CopyMenuStateFor(3, 0).copyAll);
  EXPECT_FALSE(CopyMenuStateFor(3, 0).copySelection);
  EXPECT_TRUE(CopyMenuStateFor(3, 1).copySelection);
}

}  // namespace
}  // namespace velura
