#include "ui/charview/unicode_grid_win.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/wide_win.h"
#include "ui/charview/face_glyphs.h"
#include "ui/framework/handles_win.h"

namespace velura {

void DrawGridCell(HDC dc, const RECT& cell, HFONT font, char32_t codePoint, bool current, bool faceHasIt,
                  const std::vector<std::uint8_t>& cmap) {
  SetBkColor(dc, current ? GetSysColor(COLOR_HIGHLIGHT) : faceHasIt ? GetSysColor(COLOR_WINDOW) : kMissingGlyphGround);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
  if (!faceHasIt) return;
  ui::SelectInDc selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(current ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawCodePointCentred(dc, cell, codePoint, cmap);
}

ui::Control& UnicodeGrid::Create(ui::Window& parent, const ui::dock::Item& dock) {
  ui::Control& control = ui::Panel::Create(parent, dock, ui::Bevel::Lowered);
  SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP);
  // A control of its own, not a container: Tab stops at it instead of looking for children inside.
  SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & ~WS_EX_CONTROLPARENT);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  cellSize_ = Px(30);
  lineWidth_ = Px(2);
  return control;
}

void UnicodeGrid::SetBlock(const TUniBlock& block) {
  block_ = block;
  rows_ = BlockRowCount(block);
  // The current cell keeps its place within the new rows, as the view does: changing the family shows the
  // same character in the new one.
  row_ = std::clamp(row_, 0, std::max(0, rows_ - 1));
  top_ = std::clamp(top_, 0, std::max(0, rows_ - VisibleRows()));
  UpdateScrollBar();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void UnicodeGrid::SetCellFont(HFONT font) {
  font_ = font;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void UnicodeGrid::SetFaceCharacters(FaceCharacters face) {
  face_ = std::move(face);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void UnicodeGrid::SetCellSize(int pixels) {
  cellSize_ = std::max(1, pixels);
  UpdateScrollBar();
  ScrollTo(top_);
  ScrollColumnsTo(left_);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void UnicodeGrid::RescaleCells(int oldDpi, int newDpi) {
  if (oldDpi <= 0 || newDpi <= 0) return;
  lineWidth_ = MulDiv(lineWidth_, newDpi, oldDpi);
  SetCellSize(MulDiv(cellSize_, newDpi, oldDpi));
}

int UnicodeGrid::VisibleRows() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  return std::max(1, static_cast<int>(client.bottom) / Pitch());
}

int UnicodeGrid::VisibleColumns() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  return std::max(1, static_cast<int>(client.right) / Pitch());
}

void UnicodeGrid::UpdateScrollBar() {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, rows_ - 1);
  info.nPage = static_cast<UINT>(VisibleRows());
  info.nPos = top_;
  SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
  // Large cells do not all fit across: the columns scroll too.
  info.nMax = kGridColumns - 1;
  info.nPage = static_cast<UINT>(VisibleColumns());
  info.nPos = left_;
  SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
}

void UnicodeGrid::ScrollColumnsTo(int left) {
  left = std::clamp(left, 0, std::max(0, kGridColumns - VisibleColumns()));
  if (left == left_) return;
  left_ = left;
  SetScrollPos(hwnd_, SB_HORZ, left_, TRUE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void UnicodeGrid::ScrollTo(int top) {
  const int last = std::max(0, rows_ - VisibleRows());
  top = std::clamp(top, 0, last);
  if (top == top_) return;
  top_ = top;
  SetScrollPos(hwnd_, SB_VERT, top_, TRUE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

RECT UnicodeGrid::CellRect(int row, int column) const {
  RECT cell{};
  if (row < top_ || row >= rows_ || column < left_ || column >= kGridColumns) return cell;
  cell.left = (column - left_) * Pitch();
  cell.top = (row - top_) * Pitch();
  cell.right = cell.left + cellSize_;
  cell.bottom = cell.top + cellSize_;
  return cell;
}

bool UnicodeGrid::CellAt(int x, int y, int& row, int& column) const {
  if (x < 0 || y < 0) return false;
  column = left_ + x / Pitch();
  row = top_ + y / Pitch();
  return column < kGridColumns && row < rows_;
}

void UnicodeGrid::SelectCell(int row, int column) {
  if (rows_ == 0) return;
  row = std::clamp(row, 0, rows_ - 1);
  column = std::clamp(column, 0, kGridColumns - 1);
  if (CellCodePoint(block_, row, column) < 0) return;
  InvalidateRect(hwnd_, nullptr, FALSE);
  row_ = row;
  column_ = column;
  if (row_ < top_) ScrollTo(row_);
  else if (row_ >= top_ + VisibleRows()) ScrollTo(row_ - VisibleRows() + 1);
  if (column_ < left_) ScrollColumnsTo(column_);
  else if (column_ >= left_ + VisibleColumns()) ScrollColumnsTo(column_ - VisibleColumns() + 1);
  if (OnClick) OnClick();
}

void UnicodeGrid::Paint(HDC dc, const RECT& dirty) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  ui::UniqueBrush lines(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  FillRect(dc, &dirty, lines.Get());
  for (int row = top_; row < rows_ && (row - top_) * Pitch() < client.bottom; ++row) {
    for (int column = left_; column < kGridColumns && (column - left_) * Pitch() < client.right; ++column) {
      const int code = CellCodePoint(block_, row, column);
      if (code < 0) continue;
      const RECT cell = CellRect(row, column);
      RECT overlap{};
      if (!IntersectRect(&overlap, &cell, &dirty)) continue;
      const auto codePoint = static_cast<char32_t>(code);
      DrawGridCell(dc, cell, font_, codePoint, row == row_ && column == column_, FaceMaps(face_.map, codePoint),
                   face_.cmap);
    }
  }
}

LRESULT UnicodeGrid::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      // Drawn off screen first: a scroll over large cells would otherwise flicker.
      const RECT& dirty = paint.rcPaint;
      const int width = dirty.right - dirty.left, height = dirty.bottom - dirty.top;
      HDC memory = width > 0 && height > 0 ? CreateCompatibleDC(dc) : nullptr;
      ui::UniqueBitmap bitmap(memory ? CreateCompatibleBitmap(dc, width, height) : nullptr);
      if (bitmap) {
        {
          ui::SelectInDc selected(memory, bitmap.Get());
          SetViewportOrgEx(memory, -dirty.left, -dirty.top, nullptr);
          Paint(memory, dirty);
          SetViewportOrgEx(memory, 0, 0, nullptr);
          BitBlt(dc, dirty.left, dirty.top, width, height, memory, 0, 0, SRCCOPY);
        }
      } else {
        Paint(dc, dirty);
      }
      if (memory) DeleteDC(memory);
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // Paint covers every pixel
    case WM_SIZE:
      UpdateScrollBar();
      ScrollTo(top_);
      ScrollColumnsTo(left_);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      SetFocus(hwnd_);
      int row = 0, column = 0;
      if (!CellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), row, column)) return 0;
      if (message == WM_LBUTTONDOWN || row != row_ || column != column_) SelectCell(row, column);
      if (message == WM_LBUTTONDBLCLK && OnDblClick) OnDblClick();
      return 0;
    }
    case WM_VSCROLL: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_ALL;
      GetScrollInfo(hwnd_, SB_VERT, &info);
      int top = top_;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= VisibleRows(); break;
        case SB_PAGEDOWN: top += VisibleRows(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: top = info.nTrackPos; break;
        case SB_TOP: top = 0; break;
        case SB_BOTTOM: top = rows_; break;
        default: break;
      }
      ScrollTo(top);
      return 0;
    }
    case WM_HSCROLL: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_ALL;
      GetScrollInfo(hwnd_, SB_HORZ, &info);
      int left = left_;
      switch (LOWORD(wParam)) {
        case SB_LINELEFT: --left; break;
        case SB_LINERIGHT: ++left; break;
        case SB_PAGELEFT: left -= VisibleColumns(); break;
        case SB_PAGERIGHT: left += VisibleColumns(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: left = info.nTrackPos; break;
        case SB_LEFT: left = 0; break;
        case SB_RIGHT: left = kGridColumns; break;
        default: break;
      }
      ScrollColumnsTo(left);
      return 0;
    }
    case WM_MOUSEWHEEL: {
      wheelRest_ += GET_WHEEL_DELTA_WPARAM(wParam);
      const int steps = wheelRest_ / WHEEL_DELTA;
      wheelRest_ -= steps * WHEEL_DELTA;
      ScrollTo(top_ - steps * 3);
      return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_LEFT: SelectCell(row_, column_ - 1); return 0;
        case VK_RIGHT: SelectCell(row_, column_ + 1); return 0;
        case VK_UP: SelectCell(row_ - 1, column_); return 0;
        case VK_DOWN: SelectCell(row_ + 1, column_); return 0;
        case VK_PRIOR: SelectCell(row_ - VisibleRows(), column_); return 0;
        case VK_NEXT: SelectCell(row_ + VisibleRows(), column_); return 0;
        default: break;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(hwnd_, nullptr, FALSE); break;
    default: break;
  }
  return ui::Panel::OnMessage(message, wParam, lParam);
}

}  // namespace velura
