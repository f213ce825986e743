#include "ui/fontviews/panel_drop_win.h"

#include "platform/wide_win.h"

namespace velura {

ui::Control& TPanel_Drop::Create(ui::Window& parent, const ui::dock::Item& dock, ui::Bevel bevel,
                                 const std::wstring& caption) {
  ui::Control& control = ui::Panel::Create(parent, dock, bevel, caption);
  DragAcceptFiles(Hwnd(), TRUE);
  return control;
}

void TPanel_Drop::FilesDropped(HDROP drop) {
  files_.clear();
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Asked for its length first: names longer than MAX_PATH survive whole.
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
    DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
    files_.push_back(ToU16(name));
  }
  DragFinish(drop);
  if (OnDropFiles) OnDropFiles(*this);
}

LRESULT TPanel_Drop::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DROPFILES) {
    FilesDropped(reinterpret_cast<HDROP>(wParam));
    return 0;
  }
  return ui::Panel::OnMessage(message, wParam, lParam);
}

}  // namespace velura
