#include "ui/fontviews/list_box_zel_win.h"

#include <string>

#include "ui/framework/controls_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/subclass_win.h"

namespace velura {

ui::Control& TListBox_zel::Create(ui::Window& window, const ui::dock::Item& dock, DWORD style) {
  // A list without data of its own answers for its texts itself, and would lose LBS_NODATA with strings.
  const DWORD strings = (style & LBS_NODATA) ? 0 : LBS_HASSTRINGS;
  ui::Control& list = ui::AddListBox(window, dock, style | LBS_NOTIFY | strings | WS_HSCROLL);
  hwnd_ = list.hwnd;
  record_ = &list;
  list.onCommand = [this](int code) {
    if (code == LBN_SELCHANGE) Click();
    if (code == LBN_DBLCLK && OnDblClick) OnDblClick();
  };
  ui::Subclass(hwnd_, [this](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_VSCROLL) RefitExtent();
    if (message == WM_DESTROY) hwnd_ = nullptr;
    return false;
  });
  return list;
}

bool TListBox_zel::MultipleSelection() const {
  return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

int TListBox_zel::IndexNow() const {
  return static_cast<int>(SendMessageW(hwnd_, MultipleSelection() ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TListBox_zel::Click() {
  if (state_.ClickCancel) return;
  if (ListBoxZelClick(state_, IndexNow()) && OnClick) OnClick();
  RefitExtent();
}

void TListBox_zel::SelectIndex(int index) {
  if (index != IndexNow()) {
    if (MultipleSelection()) SendMessageW(hwnd_, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    else SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  Click();
}

int TListBox_zel::HorizontalExtent() const {
  ui::WindowDc dc(hwnd_);
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
  ui::SelectInDc selected(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  LOGFONTW logFont{};
  GetObjectW(font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT), sizeof logFont, &logFont);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int rows = ListBoxZelVisibleRows(client.bottom, logFont.lfHeight);
  const auto width = [&](int index, bool withBlank) {
    std::wstring text = ui::ListBoxItemText(Record(), index);
    if (withBlank) text += L' ';
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  return ListBoxZelExtent(ui::ListBoxTopIndex(Record()), ui::ListBoxItemCount(Record()), rows, width);
}

void TListBox_zel::RefitExtent() { ui::SetListBoxHorizontalExtent(Record(), HorizontalExtent()); }

}  // namespace velura
