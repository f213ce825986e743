// The Unicode viewer's own table of blocks and the arithmetic of its grid: sixteen code points to a row,
// the cell a code point sits in, the cell size for a point size, and the status texts.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace velura {

struct TUniBlock {
  const char16_t* Name;
  std::uint16_t First;
  std::uint16_t Last;
};

inline constexpr int kUniBlockCount = 103;
inline constexpr int kGridColumns = 16;

// The table in the viewer's own order (not the standard's): the index is the block's number everywhere,
// the settings' favourites included.
extern const std::array<TUniBlock, kUniBlockCount> kUniBlocks;

// Empty for -1; "ERROR" for any other index that is not a block (a favourite read from a file written by
// hand may hold anything); otherwise the block's name.
std::u16string BlockName(int index);

// Rows of the block's grid: (last - first + 1) div 16.
int BlockRowCount(const TUniBlock& block);
// The code unit of a cell, or -1 when the cell lies past the block's end.
int CellCodePoint(const TUniBlock& block, int row, int column);

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

// Four upper-case hexadecimal digits.
std::u16string Hex4(std::uint16_t value);
// Status panel 0: "範囲　$0000 ～ $007F".
std::u16string BlockRangeText(const TUniBlock& block);
// Status panel 1: "Unicode  $3042".
std::u16string CodePointText(std::uint16_t codePoint);

// When its pop-up opens: "すべてコピー" needs text, "選択文字をコピー" text and a selection.
struct CopyMenuState {
  bool copyAll = false;
  bool copySelection = false;
};
CopyMenuState CopyMenuStateFor(int textLength, int selectionLength);

}  // namespace velura
