// Small pieces the pages of the settings dialog share.
#pragma once
#include <windows.h>

#include <string>

#include "ui/framework/window_win.h"

namespace velura {

// A group frame; made before the controls inside it so that they lie above it.
inline ui::Control& AddGroupBox(ui::Window& page, const std::wstring& caption, const ui::dock::Item& dock) {
  return page.Add(ui::ControlSpec{.className = L"BUTTON", .text = caption, .style = BS_GROUPBOX, .dock = dock});
}

inline bool IsChecked(const ui::Control* box) { return SendMessageW(box->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED; }
inline void SetChecked(const ui::Control* box, bool checked) {
  SendMessageW(box->hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace velura
