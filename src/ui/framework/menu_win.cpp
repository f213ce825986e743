#include "ui/framework/menu_win.h"

#include <commctrl.h>

#include <cstring>
#include <optional>

#include "platform/wide_win.h"
#include "ui/framework/control_rules.h"

namespace velura::ui {
namespace {

void AppendEntries(HMENU menu, const ActionList& actions, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    switch (entry.kind) {
      case MenuEntry::Kind::Separator:
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        break;
      case MenuEntry::Kind::Submenu: {
        HMENU sub = CreatePopupMenu();
        AppendEntries(sub, actions, entry.children);
        AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), AsWide(entry.caption));
        break;
      }
      case MenuEntry::Kind::Action: {
        const std::u16string text = actions.MenuText(entry.actionId);
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.actionId), AsWide(text));
        break;
      }
    }
  }
}

// The client rectangle of the selected (or focused) item of a list box, list view or tree view.
std::optional<RECT> SelectedItemRect(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  RECT item{};
  if (_wcsicmp(name, WC_LISTBOXW) == 0) {
    const bool multiple = GetWindowLongPtrW(control, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL);
    const LRESULT index = SendMessageW(control, multiple ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0);
    if (index >= 0 && SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != LB_ERR)
      return item;
  } else if (_wcsicmp(name, WC_LISTVIEWW) == 0) {
    LRESULT index = SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED | LVNI_SELECTED);
    if (index < 0) index = SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    item.left = LVIR_BOUNDS;
    if (index >= 0 && SendMessageW(control, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
      return item;
  } else if (_wcsicmp(name, WC_TREEVIEWW) == 0) {
    const auto selected = reinterpret_cast<HTREEITEM>(SendMessageW(control, TVM_GETNEXTITEM, TVGN_CARET, 0));
    std::memcpy(&item, &selected, sizeof selected);  // TVM_GETITEMRECT takes the item in the rectangle
    if (selected && SendMessageW(control, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&item))) return item;
  }
  return std::nullopt;
}

dock::Rect ToDockRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

UniqueMenu BuildMenu(const ActionList& actions, const std::vector<MenuEntry>& entries, bool popup) {
  UniqueMenu menu(popup ? CreatePopupMenu() : CreateMenu());
  AppendEntries(menu.Get(), actions, entries);
  if (popup) UpdateMenu(menu.Get(), actions);
  return menu;
}

void UpdateMenu(HMENU menu, const ActionList& actions) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separators and submenus
    const Action* action = actions.Find(static_cast<int>(id));
    if (!action) continue;
    const std::u16string text = actions.MenuText(action->id);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
    info.fType = MFT_STRING | (action->radio ? MFT_RADIOCHECK : 0);
    info.fState = (actions.IsEnabled(action->id) ? MFS_ENABLED : MFS_DISABLED) |
                  (actions.IsChecked(action->id) ? MFS_CHECKED : MFS_UNCHECKED);
    info.dwTypeData = const_cast<wchar_t*>(AsWide(text));
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
  }
}

UniqueAccelerators BuildAccelerators(const ActionList& actions) {
  std::vector<ACCEL> table;
  for (const AcceleratorKey& key : actions.Accelerators()) table.push_back(ACCEL{key.flags, key.key, key.command});
  if (table.empty()) return {};
  return UniqueAccelerators(CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

void ShowPopupMenu(HWND owner, HMENU popup, int screenX, int screenY) {
  // The owner must be foreground, or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenX, screenY, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

POINT ContextMenuPoint(HWND control, LPARAM lParam) {
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (at.x != -1 || at.y != -1) return at;
  RECT client{};
  GetClientRect(control, &client);
  const std::optional<RECT> item = SelectedItemRect(control);
  const Point point = KeyboardMenuPoint(item ? std::optional<dock::Rect>(ToDockRect(*item)) : std::nullopt,
                                        ToDockRect(client));
  at = {point.x, point.y};
  ClientToScreen(control, &at);
  return at;
}

}  // namespace velura::ui
