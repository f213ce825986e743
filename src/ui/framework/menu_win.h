// Menus, pop-ups and accelerator tables built from an action list. Items carry the action's id as their
// command, so WM_COMMAND reaches ActionList::Execute; enable and check states are pulled from the
// predicates when a menu opens (WM_INITMENUPOPUP -> UpdateMenu).
#pragma once
#include <windows.h>

#include <vector>

#include "ui/framework/action_list.h"
#include "ui/framework/handles_win.h"

namespace velura::ui {

// A menu bar (popup false) or a pop-up menu from its entries.
UniqueMenu BuildMenu(const ActionList& actions, const std::vector<MenuEntry>& entries, bool popup);

// Sets the enabled, checked and text state of every action item of one menu level.
void UpdateMenu(HMENU menu, const ActionList& actions);

// The accelerator table of the actions with a shortcut; empty when none has one.
UniqueAccelerators BuildAccelerators(const ActionList& actions);

// Opens a pop-up at a screen point; the chosen command arrives at `owner` as WM_COMMAND.
void ShowPopupMenu(HWND owner, HMENU popup, int screenX, int screenY);

// The screen point where the pop-up of a WM_CONTEXTMENU over `control` opens: the mouse position in
// lParam, or for the keyboard (Shift+F10, the menu key: lParam -1) under the selected item of a list box,
// list view or tree view while it is in view, else the control's top-left corner.
POINT ContextMenuPoint(HWND control, LPARAM lParam);

}  // namespace velura::ui
