// Creation helpers for the common controls the forms use. Each creates the control as a child of a
// window at its dock placement (96-DPI design rectangle) and returns its record; wire handlers on the
// record (onCommand, onNotify, onParentMessage) or bind them (control_events_win.h). Controls with
// behaviour of their own are subclassed by their owners with ui::Subclass (subclass_win.h).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/framework/status_bar_font_win.h"  // SetStatusBarFont for the bars AddStatusBar makes
#include "ui/framework/window_win.h"

namespace velura::ui {

// Static text; SS_NOPREFIX always (file names hold "&").
Control& AddLabel(Window& window, const std::wstring& text, const dock::Item& dock, DWORD style = SS_LEFT);
// A push button; the default button also answers Enter (DM_GETDEFID) through its form.
Control& AddButton(Window& window, const std::wstring& text, const dock::Item& dock, bool isDefault = false);
Control& AddCheckBox(Window& window, const std::wstring& text, const dock::Item& dock);
Control& AddRadioButton(Window& window, const std::wstring& text, const dock::Item& dock, bool firstOfGroup);
Control& AddEdit(Window& window, const std::wstring& text, const dock::Item& dock, DWORD style = ES_AUTOHSCROLL);
// dock.design.height is the height of the closed box plus its drop-down list.
Control& AddComboBox(Window& window, const dock::Item& dock, DWORD style = CBS_DROPDOWNLIST);
// Always LBS_NOINTEGRALHEIGHT: a docked list box fills its slot instead of snapping to whole rows.
// Pass LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS for the sample lists.
Control& AddListBox(Window& window, const dock::Item& dock, DWORD style = LBS_NOTIFY);
// A tree view; stateImages (may be null) become its TVSIL_STATE list and stay owned by the caller.
Control& AddTreeView(Window& window, const dock::Item& dock, HIMAGELIST stateImages,
                     DWORD style = TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS);
Control& AddListView(Window& window, const dock::Item& dock, DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS,
                     DWORD extendedStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
// A Unicode rich edit (Msftedit.dll, RICHEDIT50W), read-only unless the style says otherwise.
Control& AddRichEdit(Window& window, const dock::Item& dock,
                     DWORD style = ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL);
// A status bar docked at the bottom with panels of the given 96-DPI widths (-1: to the right edge).
Control& AddStatusBar(Window& window, const std::vector<int>& partWidths96);
void SetStatusText(const Control& statusBar, int part, const std::wstring& text);
Control& AddProgressBar(Window& window, const dock::Item& dock, bool smooth);
// A number edit with an up-down beside it; the edit's record is returned.
Control& AddSpinEdit(Window& window, const dock::Item& dock, int minimum, int maximum, int value);
// The value typed, clamped to the range; an empty or unreadable field reads as the range's lower end.
int SpinEditValue(const Control& edit);
// Sets the value, clamped to the range.
void SetSpinEditValue(const Control& edit, int value);
// A hot-key field; its value converts to and from the settings' shortcut codes (shortcut.h).
Control& AddHotKey(Window& window, const dock::Item& dock);
void SetHotKeyShortcut(const Control& hotKey, std::uint16_t code);
std::uint16_t HotKeyShortcut(const Control& hotKey);
// A bare tab control; AddTabPages (tab_pages_win.h) gives it a panel per page.
Control& AddTabControl(Window& window, const dock::Item& dock, const std::vector<std::wstring>& captions);
// A bar that resizes `target` (same Align, declared before it) when dragged.
Control& AddSplitter(Window& window, dock::Align align, int size96, const std::string& target);

// One tool button: the action it executes (its caption is the tip), its picture; actionId 0 is a separator.
struct ToolButton {
  int actionId = 0;
  int image = -1;
  std::wstring text;      // shown under the picture; empty for picture-only buttons
  bool dropDown = false;  // TBN_DROPDOWN reaches the tool bar's onNotify
};
// A flat tool bar; button96 is the button size at 96 DPI. Buttons pull their enable and check states
// from the window's actions when the queue goes idle. `images` stays owned by the caller.
Control& AddToolBar(Window& window, const dock::Item& dock, HIMAGELIST images, const std::vector<ToolButton>& buttons,
                    SIZE button96);

}  // namespace velura::ui
