// Binders for the notifications forms answer most: a click and a selection change, whatever the control
// sends them as. Each wires the control record's onCommand or onNotify and keeps what was wired there
// before: the earlier handler runs first, and its result is the notification's answer.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "ui/framework/control_rules.h"
#include "ui/framework/window_win.h"

namespace velura::ui {

// BN_CLICKED of a push button, check box or radio button (a click, Space, or BM_CLICK), and STN_CLICKED of
// a label with SS_NOTIFY. A button bound to an action (actionId) executes the action instead.
void OnClick(Control& control, std::function<void()> handler);

// The selection changed: CBN_SELCHANGE (combo boxes), LBN_SELCHANGE (list boxes with LBS_NOTIFY),
// TVN_SELCHANGED (tree views), LVN_ITEMCHANGED with a change of LVIS_SELECTED (list views: once per item
// that gained or lost the selection) and TCN_SELCHANGE (tab controls). std::invalid_argument for any other
// class of control.
void OnSelectionChange(Control& control, std::function<void()> handler);

// LVN_ITEMCHANGED as the portable rules read it (control_rules.h).
ListItemChange ItemChangeOf(const NMLISTVIEW& change);

}  // namespace velura::ui
