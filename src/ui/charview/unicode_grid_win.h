// TntStringGrid1 of the Unicode viewer: sixteen cells to a row, each drawn by us in the grid's font, so a
// cell shows its code point (a surrogate pair beyond U+FFFF) in the chosen family at the chosen size whatever
// the system's controls would do with a lone surrogate or a cell height. A cell whose code point the face
// does not map stays empty on a light grey ground, so only the face's own glyphs appear, never a fallback. Rows scroll vertically, and columns across when large cells do
// not all fit; a click makes a cell current, a double-click collects it, the arrow keys move the current cell.
#pragma once
#include <windows.h>

#include <functional>

#include "ui/charview/face_char_map_win.h"
#include "ui/charview/unicode_blocks.h"
#include "ui/framework/panel_win.h"

namespace velura {

// Paints one cell: background, and the code point centred in the font; a cell the face lacks gets the grey
// ground and no text. The grid and its tests share it.
void DrawGridCell(HDC dc, const RECT& cell, HFONT font, char32_t codePoint, bool current, bool faceHasIt = true,
                  const std::vector<std::uint8_t>& cmap = {});
// The ground of a cell whose code point the face does not map.
inline constexpr COLORREF kMissingGlyphGround = RGB(0xDC, 0xDC, 0xDC);

class UnicodeGrid : public ui::Panel {
 public:
  ui::Control& Create(ui::Window& parent, const ui::dock::Item& dock);

  // The block whose code units the rows hold; the current cell keeps its row (within the block) and column.
  void SetBlock(const TUniBlock& block);
  // The font the cells are drawn in; owned by the caller, kept until replaced.
  void SetCellFont(HFONT font);
  HFONT CellFont() const { return font_; }
  // The characters of the cell font's face; a map not found draws every cell.
  void SetFaceCharacters(FaceCharacters face);
  const TCharMap& CharMap() const { return face_.map; }
  // The width and height of every cell in device pixels (grid lines come on top).
  void SetCellSize(int pixels);
  int CellSize() const { return cellSize_; }
  // The window moved to a screen of another DPI: the cells and lines keep their size in inches.
  void RescaleCells(int oldDpi, int newDpi);
  int LineWidth() const { return lineWidth_; }

  int RowCount() const { return rows_; }
  int Row() const { return row_; }
  int Column() const { return column_; }
  // Makes a cell current (clamped to the grid) and scrolls it into view; OnClick runs.
  void SelectCell(int row, int column);
  // The rectangle of a cell in the client area while it is scrolled into view (empty otherwise).
  RECT CellRect(int row, int column) const;
  int TopRow() const { return top_; }
  int LeftColumn() const { return left_; }

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc, const RECT& dirty);
  int Pitch() const { return cellSize_ + lineWidth_; }
  int VisibleRows() const;
  int VisibleColumns() const;
  void ScrollColumnsTo(int left);
  void UpdateScrollBar();
  void ScrollTo(int top);
  bool CellAt(int x, int y, int& row, int& column) const;

  TUniBlock block_{u"", 0, 0};
  int rows_ = 0;
  int row_ = 0, column_ = 0, top_ = 0, left_ = 0;
  int cellSize_ = 30;
  int lineWidth_ = 2;
  int wheelRest_ = 0;
  HFONT font_ = nullptr;
  FaceCharacters face_;
};

}  // namespace velura
