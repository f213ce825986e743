#include "ui/charview/unicode_blocks.h"

#include <algorithm>
#include <vector>

#include "ui/charview/unicode_data.h"

namespace velura {

const std::array<TUniBlock, kUniBlockCount> kUniBlocks = {{
    {u"Basic Latin", 0x0000, 0x007F},
    {u"Latin-1 Supplement", 0x0080, 0x00FF},
    {u"Latin Extended-A", 0x0100, 0x017F},
    {u"Latin Extended-B", 0x0180, 0x024F},
    {u"IPA Extensions", 0x0250, 0x02AF},
    {u"Spacing Modifier Letters", 0x02B0, 0x02FF},
    {u"Combining Diacritical Marks", 0x0300, 0x036F},
    {u"Greek and Coptic", 0x0370, 0x03FF},
    {u"Cyrillic", 0x0400, 0x04FF},
    {u"Cyrillic Supplementary", 0x0500, 0x052F},
    {u"Armenian", 0x0530, 0x058F},
    {u"Hebrew", 0x0590, 0x05FF},
    {u"Arabic", 0x0600, 0x06FF},
    {u"Devanagari", 0x0900, 0x097F},
    {u"Bengali", 0x0980, 0x09FF},
    {u"Gurmukhi", 0x0A00, 0x0A7F},
    {u"Gujarati", 0x0A80, 0x0AFF},
    {u"Oriya", 0x0B00, 0x0B7F},
    {u"Tamil", 0x0B80, 0x0BFF},
    {u"Telugu", 0x0C00, 0x0C7F},
    {u"Kannada", 0x0C80, 0x0CFF},
    {u"Malayalam", 0x0D00, 0x0D7F},
    {u"Thai", 0x0E00, 0x0E7F},
    {u"Lao", 0x0E80, 0x0EFF},
    {u"Georgian", 0x10A0, 0x10FF},
    {u"Hangul Jamo", 0x1100, 0x11FF},
    {u"Latin Extended Additional", 0x1E00, 0x1EFF},
    {u"Greek Extended", 0x1F00, 0x1FFF},
    {u"General Punctuation", 0x2000, 0x206F},
    {u"Superscripts And Subscripts", 0x2070, 0x209F},
    {u"Currency Symbols", 0x20A0, 0x20CF},
    {u"Combining Diacritical Marks For Symbols", 0x20D0, 0x20FF},
    {u"Letterlike Symbols", 0x2100, 0x214F},
    {u"Number Forms", 0x2150, 0x218F},
    {u"Arrows", 0x2190, 0x21FF},
    {u"Supplemental Arrows-A", 0x27F0, 0x27FF},
    {u"Supplemental Arrows-B", 0x2900, 0x297F},
    {u"Mathematical Operators", 0x2200, 0x22FF},
    {u"Miscellaneous Mathematical Symbols-B", 0x2980, 0x29FF},
    {u"Supplemental Mathematical Operators", 0x2A00, 0x2AFF},
    {u"Miscellaneous Technical", 0x2300, 0x23FF},
    {u"Control Pictures", 0x2400, 0x243F},
    {u"Optical Character Recognition", 0x2440, 0x245F},
    {u"Enclosed Alphanumerics", 0x2460, 0x24FF},
    {u"Box Drawing", 0x2500, 0x257F},
    {u"Block Elements", 0x2580, 0x259F},
    {u"Geometric Shapes", 0x25A0, 0x25FF},
    {u"Miscellaneous Symbols", 0x2600, 0x26FF},
    {u"Dingbats", 0x2700, 0x27BF},
    {u"CJK Symbols And Punctuation", 0x3000, 0x303F},
    {u"Hiragana", 0x3040, 0x309F},
    {u"Katakana", 0x30A0, 0x30FF},
    {u"Katakana Phonetic Extensions", 0x31F0, 0x31FF},
    {u"Bopomofo", 0x3100, 0x312F},
    {u"Bopomofo Extended", 0x31A0, 0x31BF},
    {u"Hangul Compatibility Jamo", 0x3130, 0x318F},
    {u"Enclosed CJK Letters And Months", 0x3200, 0x32FF},
    {u"CJK Compatibility", 0x3300, 0x33FF},
    {u"Hangul Syllables", 0xAC00, 0xD7AF},
    {u"CJK Unified Ideographs", 0x4E00, 0x9FAF},
    {u"Kanbun", 0x3190, 0x319F},
    {u"CJK Radicals Supplement", 0x2E80, 0x2EFF},
    {u"CJK Unified Ideograph Extension A", 0x3400, 0x4DBF},
    {u"Private Use Area", 0xE000, 0xF8FF},
    {u"CJK Compatibility Ideographs", 0xF900, 0xFAFF},
    {u"Alphabetic Presentation Forms", 0xFB00, 0xFB4F},
    {u"Arabic Presentation Forms-A", 0xFB50, 0xFDFF},
    {u"Combining Half Marks", 0xFE20, 0xFE2F},
    {u"CJK Compatibility Forms", 0xFE30, 0xFE4F},
    {u"Small Form Variants", 0xFE50, 0xFE6F},
    {u"Arabic Presentation Forms-B", 0xFE70, 0xFEFF},
    {u"Halfwidth And Fullwidth Forms", 0xFF00, 0xFFEF},
    {u"Specials", 0xFFF0, 0xFFFF},
    {u"Tibetan", 0x0F00, 0x0FFF},
    {u"Syriac", 0x0700, 0x074F},
    {u"Thaana", 0x0780, 0x07BF},
    {u"Sinhala", 0x0D80, 0x0DFF},
    {u"Myanmar", 0x1000, 0x109F},
    {u"Ethiopic", 0x1200, 0x137F},
    {u"Cherokee", 0x13A0, 0x13FF},
    {u"Unified Canadian Syllabics", 0x1400, 0x167F},
    {u"Ogham", 0x1680, 0x169F},
    {u"Runic", 0x16A0, 0x16FF},
    {u"Khmer", 0x1780, 0x17FF},
    {u"Mongolian", 0x1800, 0x18AF},
    {u"Braille Patterns", 0x2800, 0x28FF},
    {u"Yi Syllables", 0xA000, 0xA48F},
    {u"Yi Radicals", 0xA490, 0xA4CF},
    {u"Tagalog", 0x1700, 0x171F},
    {u"Hanunoo", 0x1720, 0x173F},
    {u"Buhid", 0x1740, 0x175F},
    {u"Tagbanwa", 0x1760, 0x177F},
    {u"Variation Selectors", 0xFE00, 0xFE0F},
    {u"Limbu", 0x1900, 0x194F},
    {u"Tai Le", 0x1950, 0x197F},
    {u"Khmer Symbols", 0x19E0, 0x19FF},
    {u"Phonetic Extensions", 0x1D00, 0x1D7F},
    {u"Miscellaneous Mathematical Symbol-A", 0x27C0, 0x27EF},
    {u"Kangxi Radicals", 0x2F00, 0x2FDF},
    {u"Ideographic Description Characters", 0x2FF0, 0x2FFF},
    {u"Yijing Hexagram Symbols", 0x4DC0, 0x4DFF},
    {u"Low Surrogate Area", 0xDC00, 0xDFFF},
    {u"High Surrogate Area", 0xD800, 0xDBFF},
}};

namespace {

std::vector<TUniBlock> BuildViewerBlocks() {
  std::vector<TUniBlock> blocks(kUniBlocks.begin(), kUniBlocks.end());
  for (std::size_t i = 0; i < unicode_data::kBlockCount; ++i) {
    const unicode_data::BlockRow& row = unicode_data::kBlocks[i];
    const bool designed = std::any_of(kUniBlocks.begin(), kUniBlocks.end(), [&](const TUniBlock& block) {
      return block.First == row.first && block.Last == row.last;
    });
    if (!designed) blocks.push_back({row.name, row.first, row.last});
  }
  return blocks;
}

const std::vector<TUniBlock>& ViewerBlocks() {
  static const std::vector<TUniBlock> blocks = BuildViewerBlocks();
  return blocks;
}

}  // namespace

int ViewerBlockCount() { return static_cast<int>(ViewerBlocks().size()); }

const TUniBlock& ViewerBlock(int index) { return ViewerBlocks().at(static_cast<std::size_t>(index)); }

int BlockOfCodePoint(char32_t codePoint) {
  const std::vector<TUniBlock>& blocks = ViewerBlocks();
  for (std::size_t i = 0; i < blocks.size(); ++i)
    if (blocks[i].First <= codePoint && codePoint <= blocks[i].Last) return static_cast<int>(i);
  return -1;
}

int AddedBlockStartingAt(char32_t first) {
  const std::vector<TUniBlock>& blocks = ViewerBlocks();
  for (std::size_t i = kUniBlockCount; i < blocks.size(); ++i)
    if (blocks[i].First == first) return static_cast<int>(i);
  return -1;
}

int BlockNumberAt(int listIndex) {
  if (listIndex < 0 || listIndex >= ViewerBlockCount()) return -1;
  return listIndex < kUniBlockCount ? listIndex : kAddedBlockBase + (listIndex - kUniBlockCount);
}

int ListIndexOfBlock(int blockNumber) {
  if (blockNumber >= 0 && blockNumber < kUniBlockCount) return blockNumber;
  if (blockNumber < kAddedBlockBase || blockNumber - kAddedBlockBase >= ViewerBlockCount() - kUniBlockCount) return -1;
  return kUniBlockCount + (blockNumber - kAddedBlockBase);
}

std::u16string BlockName(int blockNumber) {
  if (blockNumber == -1) return {};
  const int index = ListIndexOfBlock(blockNumber);
  if (index < 0) return u"ERROR";
  return ViewerBlock(index).Name;
}

int BlockRowCount(const TUniBlock& block) {
  if (block.Last < block.First) return 0;
  return (block.Last - block.First + 1) / kGridColumns;
}

int CellCodePoint(const TUniBlock& block, int row, int column) {
  if (row < 0 || column < 0 || column >= kGridColumns) return -1;
  const long code = static_cast<long>(block.First) + static_cast<long>(row) * kGridColumns + column;
  if (code > static_cast<long>(block.Last) || code > 0x10FFFF) return -1;
  return static_cast<int>(code);
}

int CellOfCodePoint(const TUniBlock& block, char32_t codePoint) {
  if (codePoint < block.First || codePoint > block.Last) return -1;
  return static_cast<int>(codePoint - block.First);
}

int GridFontHeight(int points, int dpi) {
  // MulDiv rounds half away from zero.
  const long long product = static_cast<long long>(points) * dpi;
  return -static_cast<int>((product * 2 + 72) / 144);
}

int GridCellSize(int points, int dpi) {
  // points x 1.8 x dpi / 96 = points x dpi x 18 / 960, rounded half up.
  const long long scaled = static_cast<long long>(points) * dpi * 18;
  return static_cast<int>((scaled * 2 + 960) / 1920);
}

int DesignCellSize(int dpi) { return (30 * dpi * 2 + 96) / 192; }

std::u16string Hex4(char32_t value) {
  static const char16_t digits[] = u"0123456789ABCDEF";
  std::u16string text;
  do {
    text.insert(text.begin(), digits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (text.size() < 4) text.insert(0, 4 - text.size(), u'0');
  return text;
}

std::u16string BlockRangeText(const TUniBlock& block) {
  return u"範囲　$" + Hex4(block.First) + u" ～ $" + Hex4(block.Last);
}

std::u16string CodePointText(char32_t codePoint) { return u"Unicode  $" + Hex4(codePoint); }

std::u16string UPlusText(char32_t codePoint) { return u"U+" + Hex4(codePoint); }

std::u16string Utf16Of(char32_t codePoint) {
  if (codePoint < 0x10000) return std::u16string(1, static_cast<char16_t>(codePoint));
  const char32_t offset = codePoint - 0x10000;
  return {static_cast<char16_t>(0xD800 + (offset >> 10)), static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
}

CopyMenuState CopyMenuStateFor(int textLength, int selectionLength) {
  return {textLength > 0, textLength > 0 && selectionLength > 0};
}

}  // namespace velura
