// The Unicode viewer's blocks and the arithmetic of its grid: sixteen code points to a row, the cell a code
// point sits in, the cell size for a point size, and the status texts. The viewer lists its own table of 103
// blocks first, then the blocks of the Unicode Character Database that the table does not already hold.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace velura {

struct TUniBlock {
  const char16_t* Name;
  char32_t First;
  char32_t Last;
};

inline constexpr int kUniBlockCount = 103;
inline constexpr int kGridColumns = 16;

// The table in the viewer's own order (not the standard's): the index is the block's number everywhere,
// the settings' favourites included.
extern const std::array<TUniBlock, kUniBlockCount> kUniBlocks;

// The block list: the 103 blocks of kUniBlocks with their numbers, then every block of Blocks.txt (all
// planes, in its order) whose range is not exactly one of those 103. Numbers from 103 on follow the Unicode
// version the program was built with, so the settings name those blocks by their first code point instead.
int ViewerBlockCount();
const TUniBlock& ViewerBlock(int index);  // 0 <= index < ViewerBlockCount()
// The first block in list order that holds the code point, or -1 (a code point outside every block).
int BlockOfCodePoint(char32_t codePoint);
// The block of the list from 103 on that starts at the code point, or -1.
int AddedBlockStartingAt(char32_t first);

// A block's number, the identity favourites and menu tags use: its list index for the 103 designed blocks
// (so numbers stored before keep their meaning, and any other stored number stays "not a block"), and
// kAddedBlockBase + (list index - 103) for the blocks after them.
inline constexpr int kAddedBlockBase = 1000000;
int BlockNumberAt(int listIndex);       // -1 for -1
int ListIndexOfBlock(int blockNumber);  // -1 when the number names no block

// Empty for -1; "ERROR" for any other number that is not a block (a favourite read from a file written by
// hand may hold anything); otherwise the block's name.
std::u16string BlockName(int blockNumber);

// Rows of the block's grid: (last - first + 1) div 16.
int BlockRowCount(const TUniBlock& block);
// The code point of a cell, or -1 when the cell lies past the block's end.
int CellCodePoint(const TUniBlock& block, int row, int column);
// The cell of a code point of the block: row * 16 + column, or -1 outside the block.
int CellOfCodePoint(const TUniBlock& block, char32_t codePoint);

// The grid font's character height for a point size: -MulDiv(points, dpi, 72).
int GridFontHeight(int points, int dpi);
// A cell's width and height for a point size: points x 1.8 pixels at 96 DPI, rounded to nearest, scaled with
// the DPI as the font is, so the glyph keeps fitting its cell on any screen.
int GridCellSize(int points, int dpi);
// The cell size before the point size is first changed: 30 pixels at 96 DPI.
int DesignCellSize(int dpi);

// The point sizes the spin edit offers.
inline constexpr int kMinGridPoints = 8;
inline constexpr int kMaxGridPoints = 99;
inline constexpr int kInitialGridPoints = 16;

// Upper-case hexadecimal, at least four digits ("0041", "20BB7").
std::u16string Hex4(char32_t value);
// Status panel 0: "範囲　$0000 ～ $007F" (five or six digits beyond U+FFFF).
std::u16string BlockRangeText(const TUniBlock& block);
// Status panel 1: "Unicode  $3042".
std::u16string CodePointText(char32_t codePoint);
// "U+20BB7".
std::u16string UPlusText(char32_t codePoint);
// The UTF-16 form of a code point: one unit, or a surrogate pair beyond U+FFFF.
std::u16string Utf16Of(char32_t codePoint);

// When its pop-up opens: "すべてコピー" needs text, "選択文字をコピー" text and a selection.
struct CopyMenuState {
  bool copyAll = false;
  bool copySelection = false;
};
CopyMenuState CopyMenuStateFor(int textLength, int selectionLength);

}  // namespace velura
