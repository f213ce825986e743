// The viewer's block table, its grid arithmetic and its status texts.
#include <gtest/gtest.h>

#include <set>

#include "ui/charview/unicode_blocks.h"

namespace velura {
namespace {

TEST(UniBlocks, EveryBlockHoldsWholeRowsAndTheNamesAreDistinct) {
  std::set<std::u16string> names;
  for (const TUniBlock& block : kUniBlocks) {
    SCOPED_TRACE(std::string(block.Name, block.Name + std::char_traits<char16_t>::length(block.Name)));
    EXPECT_LT(block.First, block.Last);
    EXPECT_EQ(block.First % 16, 0);
    EXPECT_EQ((block.Last - block.First + 1) % 16, 0);
    EXPECT_TRUE(names.insert(block.Name).second);
  }
}

TEST(UniBlocks, TheTableKeepsItsOwnOrderAndRanges) {
  struct Expected {
    int index;
    const char16_t* name;
    std::uint16_t first, last;
  };
  const Expected rows[] = {{0, u"Basic Latin", 0x0000, 0x007F},
                           {9, u"Cyrillic Supplementary", 0x0500, 0x052F},
                           {12, u"Arabic", 0x0600, 0x06FF},
                           {13, u"Devanagari", 0x0900, 0x097F},  // Syriac and Thaana come much later
                           {35, u"Supplemental Arrows-A", 0x27F0, 0x27FF},
                           {37, u"Mathematical Operators", 0x2200, 0x22FF},
                           {50, u"Hiragana", 0x3040, 0x309F},
                           {58, u"Hangul Syllables", 0xAC00, 0xD7AF},
                           {59, u"CJK Unified Ideographs", 0x4E00, 0x9FAF},
                           {63, u"Private Use Area", 0xE000, 0xF8FF},
                           {72, u"Specials", 0xFFF0, 0xFFFF},
                           {73, u"Tibetan", 0x0F00, 0x0FFF},
                           {97, u"Miscellaneous Mathematical Symbol-A", 0x27C0, 0x27EF},
                           {100, u"Yijing Hexagram Symbols", 0x4DC0, 0x4DFF},
                           {101, u"Low Surrogate Area", 0xDC00, 0xDFFF},
                           {102, u"High Surrogate Area", 0xD800, 0xDBFF}};
  ASSERT_EQ(kUniBlocks.size(), 103u);
  for (const Expected& row : rows) {
    const TUniBlock& block = kUniBlocks[static_cast<std::size_t>(row.index)];
    EXPECT_EQ(std::u16string(block.Name), row.name) << row.index;
    EXPECT_EQ(block.First, row.first) << row.index;
    EXPECT_EQ(block.Last, row.last) << row.index;
  }
  // The whole table against a checksum of names and ranges, so that no row can drift unnoticed.
  std::uint64_t sum = 0;
  for (const TUniBlock& block : kUniBlocks) {
    for (const char16_t* c = block.Name; *c; ++c) sum = sum * 31 + *c;
    sum = sum * 65537 + block.First * 3 + block.Last;
  }
  std::uint64_t expected = 0;
  {
    // Recomputed from an independent listing of the same table.
    const char* listing[] = {"Basic Latin,0000,007F",
                             "Latin-1 Supplement,0080,00FF",
                             "Latin Extended-A,0100,017F",
                             "Latin Extended-B,0180,024F",
                             "IPA Extensions,0250,02AF",
                             "Spacing Modifier Letters,02B0,02FF",
                             "Combining Diacritical Marks,0300,036F",
                             "Greek and Coptic,0370,03FF",
                             "Cyrillic,0400,04FF",
                             "Cyrillic Supplementary,0500,052F",
                             "Armenian,0530,058F",
                             "Hebrew,0590,05FF",
                             "Arabic,0600,06FF",
                             "Devanagari,0900,097F",
                             "Bengali,0980,09FF",
                             "Gurmukhi,0A00,0A7F",
                             "Gujarati,0A80,0AFF",
                             "Oriya,0B00,0B7F",
                             "Tamil,0B80,0BFF",
                             "Telugu,0C00,0C7F",
                             "Kannada,0C80,0CFF",
                             "Malayalam,0D00,0D7F",
                             "Thai,0E00,0E7F",
                             "Lao,0E80,0EFF",
                             "Georgian,10A0,10FF",
                             "Hangul Jamo,1100,11FF",
                             "Latin Extended Additional,1E00,1EFF",
                             "Greek Extended,1F00,1FFF",
                             "General Punctuation,2000,206F",
                             "Superscripts And Subscripts,2070,209F",
                             "Currency Symbols,20A0,20CF",
                             "Combining Diacritical Marks For Symbols,20D0,20FF",
                             "Letterlike Symbols,2100,214F",
                             "Number Forms,2150,218F",
                             "Arrows,2190,21FF",
                             "Supplemental Arrows-A,27F0,27FF",
                             "Supplemental Arrows-B,2900,297F",
                             "Mathematical Operators,2200,22FF",
                             "Miscellaneous Mathematical Symbols-B,2980,29FF",
                             "Supplemental Mathematical Operators,2A00,2AFF",
                             "Miscellaneous Technical,2300,23FF",
                             "Control Pictures,2400,243F",
                             "Optical Character Recognition,2440,245F",
                             "Enclosed Alphanumerics,2460,24FF",
                             "Box Drawing,2500,257F",
                             "Block Elements,2580,259F",
                             "Geometric Shapes,25A0,25FF",
                             "Miscellaneous Symbols,2600,26FF",
                             "Dingbats,2700,27BF",
                             "CJK Symbols And Punctuation,3000,303F",
                             "Hiragana,3040,309F",
                             "Katakana,30A0,30FF",
                             "Katakana Phonetic Extensions,31F0,31FF",
                             "Bopomofo,3100,312F",
                             "Bopomofo Extended,31A0,31BF",
                             "Hangul Compatibility Jamo,3130,318F",
                             "Enclosed CJK Letters And Months,3200,32FF",
                             "CJK Compatibility,3300,33FF",
                             "Hangul Syllables,AC00,D7AF",
                             "CJK Unified Ideographs,4E00,9FAF",
                             "Kanbun,3190,319F",
                             "CJK Radicals Supplement,2E80,2EFF",
                             "CJK Unified Ideograph Extension A,3400,4DBF",
                             "Private Use Area,E000,F8FF",
                             "CJK Compatibility Ideographs,F900,FAFF",
                             "Alphabetic Presentation Forms,FB00,FB4F",
                             "Arabic Presentation Forms-A,FB50,FDFF",
                             "Combining Half Marks,FE20,FE2F",
                             "CJK Compatibility Forms,FE30,FE4F",
                             "Small Form Variants,FE50,FE6F",
                             "Arabic Presentation Forms-B,FE70,FEFF",
                             "Halfwidth And Fullwidth Forms,FF00,FFEF",
                             "Specials,FFF0,FFFF",
                             "Tibetan,0F00,0FFF",
                             "Syriac,0700,074F",
                             "Thaana,0780,07BF",
                             "Sinhala,0D80,0DFF",
                             "Myanmar,1000,109F",
                             "Ethiopic,1200,137F",
                             "Cherokee,13A0,13FF",
                             "Unified Canadian Syllabics,1400,167F",
                             "Ogham,1680,169F",
                             "Runic,16A0,16FF",
                             "Khmer,1780,17FF",
                             "Mongolian,1800,18AF",
                             "Braille Patterns,2800,28FF",
                             "Yi Syllables,A000,A48F",
                             "Yi Radicals,A490,A4CF",
                             "Tagalog,1700,171F",
                             "Hanunoo,1720,173F",
                             "Buhid,1740,175F",
                             "Tagbanwa,1760,177F",
                             "Variation Selectors,FE00,FE0F",
                             "Limbu,1900,194F",
                             "Tai Le,1950,197F",
                             "Khmer Symbols,19E0,19FF",
                             "Phonetic Extensions,1D00,1D7F",
                             "Miscellaneous Mathematical Symbol-A,27C0,27EF",
                             "Kangxi Radicals,2F00,2FDF",
                             "Ideographic Description Characters,2FF0,2FFF",
                             "Yijing Hexagram Symbols,4DC0,4DFF",
                             "Low Surrogate Area,DC00,DFFF",
                             "High Surrogate Area,D800,DBFF"};
    ASSERT_EQ(std::size(listing), 103u);
    for (const char* line : listing) {
      const std::string text(line);
      const std::size_t comma = text.find(',');
      for (std::size_t i = 0; i < comma; ++i) expected = expected * 31 + static_cast<unsigned char>(text[i]);
      const unsigned first = std::stoul(text.substr(comma + 1, 4), nullptr, 16);
      const unsigned last = std::stoul(text.substr(comma + 6, 4), nullptr, 16);
      expected = expected * 65537 + first * 3 + last;
    }
  }
  EXPECT_EQ(sum, expected);
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

TEST(UniTexts, CollectingPutsTheNewestFirstAndCopyNeedsText) {
  std::u16string box;
  for (char16_t c : std::u16string(u"あいう")) box = CollectCharacter(box, c);
  EXPECT_EQ(box, u"ういあ");
  EXPECT_FALSE(CopyMenuStateFor(0, 0).copyAll);
  EXPECT_FALSE(CopyMenuStateFor(0, 0).copySelection);
  EXPECT_TRUE(CopyMenuStateFor(3, 0).copyAll);
  EXPECT_FALSE(CopyMenuStateFor(3, 0).copySelection);
  EXPECT_TRUE(CopyMenuStateFor(3, 1).copySelection);
}

}  // namespace
}  // namespace velura
