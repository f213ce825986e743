// The page "ショートカット": one hot-key field per launcher button. A combination is typed directly; a
// plain key or Shift with a key is not taken as it is (the field adds Ctrl); Delete or Space empties it.
#include <windows.h>
#include <commctrl.h>

#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/subclass_win.h"
#include "ui/settings/form_setting1_win.h"
#include "ui/settings/setting_page_controls_win.h"

namespace velura {

using ui::dock::At;

namespace {

bool ModifierHeld() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

}  // namespace

void TForm_setting1::CreateShortcutPage(ui::Panel& page) {
  AddGroupBox(page, L"メインメニューのボタンのショートカットキー割り当て", At(8, 4, 430, 230));
  for (std::size_t i = 0; i < HotKeys.size(); ++i) {
    const int top = 26 + static_cast<int>(i) * 28;
    ui::AddLabel(page, ToWide(kShortcutButtonNames[i]), At(20, top + 3, 236, 13));
    ui::Control& field = ui::AddHotKey(page, At(262, top, 164, 21));
    SendMessageW(field.hwnd, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL, 0));
    const HWND hwnd = field.hwnd;
    ui::Subclass(hwnd, [hwnd](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
      if ((message != WM_KEYDOWN && message != WM_SYSKEYDOWN) || (wParam != VK_DELETE && wParam != VK_SPACE) ||
          ModifierHeld())
        return false;
      SendMessageW(hwnd, HKM_SETHOTKEY, 0, 0);  // "なし": no shortcut
      result = 0;
      return true;
    });
    HotKeys[i] = &field;
  }
  ui::AddLabel(page, L"（ここにキーを直接入力）", At(20, 242, 300, 13));
  ui::AddLabel(page, L"（Deleteもしくはスペースで", At(20, 260, 300, 13));
  ui::AddLabel(page, L"「なし」（キー操作無効）になります）", At(20, 276, 300, 13));
}

void TForm_setting1::LoadShortcutPage() {
  for (std::size_t i = 0; i < HotKeys.size(); ++i) ui::SetHotKeyShortcut(*HotKeys[i], values_.Shortcuts[i]);
}

void TForm_setting1::SaveShortcutPage() {
  for (std::size_t i = 0; i < HotKeys.size(); ++i) values_.Shortcuts[i] = ui::HotKeyShortcut(*HotKeys[i]);
}

}  // namespace velura
