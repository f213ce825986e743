#include "ui/framework/controls_win.h"

#include <richedit.h>

#include <algorithm>
#include <memory>

#include "ui/framework/control_rules.h"
#include "ui/framework/shortcut.h"
#include "ui/framework/subclass_win.h"

namespace velura::ui {
namespace {

Control& AddChild(Window& window, const wchar_t* className, const std::wstring& text, const dock::Item& dock,
                  DWORD style, DWORD exStyle = 0) {
  return window.Add(ControlSpec{className, text, style, exStyle, dock, 0});
}

// Shared state of the status bar: its part widths at 96 DPI, scaled at each layout.
struct StatusParts {
  std::vector<int> widths96;
};

// The splitter's drag: capture on the button, the bar follows the mouse, its target is resized.
bool SplitterMessage(Window& owner, HWND hwnd, UINT message, LPARAM lParam, LRESULT& result) {
  const Control* splitter = owner.FindControl(hwnd);
  if (!splitter) return false;
  const bool horizontal = splitter->dock.align == dock::Align::Left || splitter->dock.align == dock::Align::Right;
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, horizontal ? IDC_SIZEWE : IDC_SIZENS));
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      return true;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd) {
        // The bar moves with the mouse: the offset from where it was grabbed is the drag.
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT bar{};
        GetClientRect(hwnd, &bar);
        const int delta = horizontal ? at.x - bar.right / 2 : at.y - bar.bottom / 2;
        if (delta != 0) owner.DragSplitter(*splitter, delta);
      }
      return true;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (GetCapture() == hwnd) ReleaseCapture();
      return true;
  }
  return false;
}

void UpdateToolButtons(HWND toolBar, const ActionList& actions, const std::vector<ToolButton>& buttons) {
  for (const ToolButton& button : buttons) {
    if (!button.actionId || !actions.Find(button.actionId)) continue;
    const WPARAM id = static_cast<WPARAM>(button.actionId);
    const bool enabled = actions.IsEnabled(button.actionId);
    const bool checked = actions.IsChecked(button.actionId);
    if (!!SendMessageW(toolBar, TB_ISBUTTONENABLED, id, 0) != enabled)
      SendMessageW(toolBar, TB_ENABLEBUTTON, id, MAKELPARAM(enabled, 0));
    if (!!SendMessageW(toolBar, TB_ISBUTTONCHECKED, id, 0) != checked)
      SendMessageW(toolBar, TB_CHECKBUTTON, id, MAKELPARAM(checked, 0));
  }
}

}  // namespace

Control& AddLabel(Window& window, const std::wstring& text, const dock::Item& dock, DWORD style) {
  return AddChild(window, L"STATIC", text, dock, style | SS_NOPREFIX);
}

Control& AddButton(Window& window, const std::wstring& text, const dock::Item& dock, bool isDefault) {
  return AddChild(window, L"BUTTON", text, dock, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

Control& AddCheckBox(Window& window, const std::wstring& text, const dock::Item& dock) {
  return AddChild(window, L"BUTTON", text, dock, WS_TABSTOP | BS_AUTOCHECKBOX);
}

Control& AddRadioButton(Window& window, const std::wstring& text, const dock::Item& dock, bool firstOfGroup) {
  return AddChild(window, L"BUTTON", text, dock, BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0));
}

Control& AddEdit(Window& window, const std::wstring& text, const dock::Item& dock, DWORD style) {
  return AddChild(window, L"EDIT", text, dock, WS_TABSTOP | style, WS_EX_CLIENTEDGE);
}

Control& AddComboBox(Window& window, const dock::Item& dock, DWORD style) {
  return AddChild(window, WC_COMBOBOXW, L"", dock, WS_TABSTOP | WS_VSCROLL | style);
}

Control& AddListBox(Window& window, const dock::Item& dock, DWORD style) {
  return AddChild(window, L"LISTBOX", L"", dock, WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | style,
                  WS_EX_CLIENTEDGE);
}

Control& AddTreeView(Window& window, const dock::Item& dock, HIMAGELIST stateImages, DWORD style) {
  Control& tree = AddChild(window, WC_TREEVIEWW, L"", dock, WS_TABSTOP | style, WS_EX_CLIENTEDGE);
  if (stateImages) TreeView_SetImageList(tree.hwnd, stateImages, TVSIL_STATE);
  return tree;
}

Control& AddListView(Window& window, const dock::Item& dock, DWORD style, DWORD extendedStyle) {
  Control& list = AddChild(window, WC_LISTVIEWW, L"", dock, WS_TABSTOP | style, WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(list.hwnd, extendedStyle);
  return list;
}

Control& AddRichEdit(Window& window, const dock::Item& dock, DWORD style) {
  static const HMODULE library = LoadLibraryW(L"Msftedit.dll");  // lives as long as the process
  (void)library;
  Control& edit = AddChild(window, MSFTEDIT_CLASS, L"", dock, WS_TABSTOP | style, WS_EX_CLIENTEDGE);
  SendMessageW(edit.hwnd, EM_SETEVENTMASK, 0, ENM_SELCHANGE | ENM_CHANGE);
  return edit;
}

Control& AddStatusBar(Window& window, const std::vector<int>& partWidths96) {
  dock::Item item;
  item.align = dock::Align::Bottom;
  Control& bar = AddChild(window, STATUSCLASSNAMEW, L"", item, SBARS_SIZEGRIP);
  RECT natural{};
  GetWindowRect(bar.hwnd, &natural);
  bar.dock.design.height = dock::Unscale(natural.bottom - natural.top, window.Dpi());
  auto parts = std::make_shared<StatusParts>(StatusParts{partWidths96});
  bar.onPlaced = [hwnd = bar.hwnd, parts, &window](const dock::Rect&) {
    std::vector<int> edges;
    int right = 0;
    for (int width : parts->widths96) {
      right = width < 0 ? -1 : right + window.Px(width);
      edges.push_back(right);
    }
    SendMessageW(hwnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  };
  return bar;
}

void SetStatusText(const Control& statusBar, int part, const std::wstring& text) {
  SendMessageW(statusBar.hwnd, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

Control& AddProgressBar(Window& window, const dock::Item& dock, bool smooth) {
  return AddChild(window, PROGRESS_CLASSW, L"", dock, smooth ? PBS_SMOOTH : 0);
}

Control& AddSpinEdit(Window& window, const dock::Item& dock, int minimum, int maximum, int value) {
  Control& edit = AddEdit(window, std::to_wstring(value), dock, ES_NUMBER | ES_AUTOHSCROLL);
  HWND upDown = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                                    UDS_NOTHOUSANDS,
                                0, 0, 0, 0, window.Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(upDown, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit.hwnd), 0);
  SendMessageW(upDown, UDM_SETPOS32, 0, value);
  // UDS_ALIGNRIGHT places the arrows once; setting the buddy again after each layout follows the edit.
  edit.onPlaced = [upDown, editHwnd = edit.hwnd](const dock::Rect&) {
    SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(editHwnd), 0);
  };
  return edit;
}

namespace {

// The up-down whose buddy the edit is: a sibling with no record of its own.
HWND UpDownOf(const Control& edit) {
  for (HWND sibling = GetWindow(GetParent(edit.hwnd), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(sibling, name, 32);
    if (_wcsicmp(name, UPDOWN_CLASSW) == 0 &&
        reinterpret_cast<HWND>(SendMessageW(sibling, UDM_GETBUDDY, 0, 0)) == edit.hwnd)
      return sibling;
  }
  return nullptr;
}

}  // namespace

int SpinEditValue(const Control& edit) {
  BOOL read = FALSE;
  const int typed = static_cast<int>(GetDlgItemInt(GetParent(edit.hwnd), edit.id, &read, TRUE));
  const HWND upDown = UpDownOf(edit);
  if (!upDown) return typed;
  int minimum = 0, maximum = 0;
  SendMessageW(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum), reinterpret_cast<LPARAM>(&maximum));
  return read ? ClampToRange(typed, minimum, maximum) : std::min(minimum, maximum);
}

void SetSpinEditValue(const Control& edit, int value) {
  const HWND upDown = UpDownOf(edit);
  if (upDown) {
    int minimum = 0, maximum = 0;
    SendMessageW(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum), reinterpret_cast<LPARAM>(&maximum));
    value = ClampToRange(value, minimum, maximum);
    SendMessageW(upDown, UDM_SETPOS32, 0, value);  // UDS_SETBUDDYINT writes the edit's text
  }
  SetWindowTextIfChanged(edit.hwnd, std::to_wstring(value));
}

Control& AddHotKey(Window& window, const dock::Item& dock) {
  return AddChild(window, HOTKEY_CLASSW, L"", dock, WS_TABSTOP);
}

void SetHotKeyShortcut(const Control& hotKey, std::uint16_t code) {
  SendMessageW(hotKey.hwnd, HKM_SETHOTKEY, ShortcutToHotKey(code), 0);
}

std::uint16_t HotKeyShortcut(const Control& hotKey) {
  return HotKeyToShortcut(static_cast<std::uint16_t>(SendMessageW(hotKey.hwnd, HKM_GETHOTKEY, 0, 0)));
}

Control& AddTabControl(Window& window, const dock::Item& dock, const std::vector<std::wstring>& captions) {
  // No WS_EX_CONTROLPARENT: the pages are its siblings (tab_pages_win.h), and a control parent would be
  // skipped by Tab itself.
  Control& tab = AddChild(window, WC_TABCONTROLW, L"", dock, WS_TABSTOP | WS_CLIPSIBLINGS);
  int index = 0;
  for (const std::wstring& caption : captions) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    TabCtrl_InsertItem(tab.hwnd, index++, &item);
  }
  return tab;
}

Control& AddSplitter(Window& window, dock::Align align, int size96, const std::string& target) {
  dock::Item item;
  item.align = align;
  item.design = {0, 0, size96, size96};
  item.splitterTarget = target;
  Control& splitter = AddChild(window, L"STATIC", L"", item, SS_NOTIFY);
  Subclass(splitter.hwnd, [&window, hwnd = splitter.hwnd](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    return SplitterMessage(window, hwnd, message, lParam, result);
  });
  return splitter;
}

Control& AddToolBar(Window& window, const dock::Item& dock, HIMAGELIST images, const std::vector<ToolButton>& buttons,
                    SIZE button96) {
  Control& bar = AddChild(window, TOOLBARCLASSNAMEW, L"", dock,
                          TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER);
  SendMessageW(bar.hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(bar.hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  SendMessageW(bar.hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  std::vector<TBBUTTON> items;
  for (const ToolButton& button : buttons) {
    TBBUTTON item{};
    item.iBitmap = button.actionId ? button.image : 0;
    item.idCommand = button.actionId;
    item.fsState = TBSTATE_ENABLED;
    item.fsStyle = static_cast<BYTE>(button.actionId ? (BTNS_BUTTON | (button.dropDown ? BTNS_DROPDOWN : 0))
                                                     : BTNS_SEP);
    item.iString = button.text.empty() ? -1 : reinterpret_cast<INT_PTR>(button.text.c_str());
    items.push_back(item);
  }
  SendMessageW(bar.hwnd, TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
  bar.onPlaced = [hwnd = bar.hwnd, button96, &window](const dock::Rect&) {
    SendMessageW(hwnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(window.Px(button96.cx), window.Px(button96.cy)));
  };
  bar.onIdle = [hwnd = bar.hwnd, buttons, &window] {
    if (const ActionList* actions = window.Actions()) UpdateToolButtons(hwnd, *actions, buttons);
  };
  return bar;
}

}  // namespace velura::ui
