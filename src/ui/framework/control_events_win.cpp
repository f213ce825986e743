#include "ui/framework/control_events_win.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace velura::ui {
namespace {

enum class SelectionSource { Command, Notify };

std::wstring ClassName(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

SelectionSource SelectionSourceOf(HWND hwnd) {
  const std::wstring name = ClassName(hwnd);
  for (const wchar_t* commandClass : {WC_COMBOBOXW, WC_LISTBOXW, WC_COMBOBOXEXW})
    if (_wcsicmp(name.c_str(), commandClass) == 0) return SelectionSource::Command;
  for (const wchar_t* notifyClass : {WC_TREEVIEWW, WC_LISTVIEWW, WC_TABCONTROLW})
    if (_wcsicmp(name.c_str(), notifyClass) == 0) return SelectionSource::Notify;
  throw std::invalid_argument("OnSelectionChange: no selection notification for a control of this class");
}

bool IsSelectionNotification(const NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA:
    case TCN_SELCHANGE:
      return true;
    case LVN_ITEMCHANGED:
      return IsSelectionChange(ItemChangeOf(reinterpret_cast<const NMLISTVIEW&>(header)));
  }
  return false;
}

void ChainCommand(Control& control, std::function<void(int code)> next) {
  control.onCommand = [previous = std::move(control.onCommand), next = std::move(next)](int code) {
    if (previous) previous(code);
    next(code);
  };
}

static_assert(BN_CLICKED == STN_CLICKED && CBN_SELCHANGE == LBN_SELCHANGE, "one code serves both classes");

}  // namespace

ListItemChange ItemChangeOf(const NMLISTVIEW& change) {
  ListItemChange rules;
  rules.item = change.iItem;
  rules.stateChanged = (change.uChanged & LVIF_STATE) != 0;
  rules.wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
  rules.isSelected = (change.uNewState & LVIS_SELECTED) != 0;
  rules.oldImage = static_cast<int>((change.uOldState & LVIS_STATEIMAGEMASK) >> 12);
  rules.newImage = static_cast<int>((change.uNewState & LVIS_STATEIMAGEMASK) >> 12);
  return rules;
}

void OnClick(Control& control, std::function<void()> handler) {
  ChainCommand(control, [handler = std::move(handler)](int code) {
    if (code == BN_CLICKED && handler) handler();  // STN_CLICKED is the same code
  });
}

void OnSelectionChange(Control& control, std::function<void()> handler) {
  if (SelectionSourceOf(control.hwnd) == SelectionSource::Command) {
    ChainCommand(control, [handler = std::move(handler)](int code) {
      if (code == CBN_SELCHANGE && handler) handler();  // LBN_SELCHANGE is the same code
    });
    return;
  }
  control.onNotify = [previous = std::move(control.onNotify), handler = std::move(handler)](NMHDR& header) {
    const LRESULT result = previous ? previous(header) : 0;
    if (IsSelectionNotification(header) && handler) handler();
    return result;
  };
}

}  // namespace velura::ui
