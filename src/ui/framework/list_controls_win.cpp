#include "ui/framework/list_controls_win.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "ui/framework/control_events_win.h"
#include "ui/framework/control_rules.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/subclass_win.h"

namespace velura::ui {
namespace {

int Count(const Control& control, UINT message) { return static_cast<int>(SendMessageW(control.hwnd, message, 0, 0)); }

std::wstring ItemText(const Control& control, UINT lengthMessage, UINT textMessage, int index) {
  const LRESULT length = SendMessageW(control.hwnd, lengthMessage, static_cast<WPARAM>(index), 0);
  if (index < 0 || length < 0) return {};  // CB_ERR / LB_ERR
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(control.hwnd, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return text;
}

bool MultipleSelection(const Control& list) {
  return (GetWindowLongPtrW(list.hwnd, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

constexpr int kUnchecked = 1, kChecked = 2;  // state images of LVS_EX_CHECKBOXES
constexpr wchar_t kAddingProperty[] = L"VeluraCheckListAdding";

int StateImage(UINT state) { return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12); }

}  // namespace

// Combo boxes.

int AddComboItem(const Control& combo, const std::wstring& text) {
  return static_cast<int>(SendMessageW(combo.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ClearComboItems(const Control& combo) { SendMessageW(combo.hwnd, CB_RESETCONTENT, 0, 0); }

int ComboItemCount(const Control& combo) { return Count(combo, CB_GETCOUNT); }

std::wstring ComboItemText(const Control& combo, int index) {
  return ItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

int ComboSelectedIndex(const Control& combo) { return Count(combo, CB_GETCURSEL); }

void SetComboSelectedIndex(const Control& combo, int index) {
  SendMessageW(combo.hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring ComboEditText(const Control& combo) { return WindowText(combo.hwnd); }

void SetComboEditText(const Control& combo, const std::wstring& text) { SetWindowTextW(combo.hwnd, text.c_str()); }

// List boxes.

int AddListBoxItem(const Control& list, const std::wstring& text) {
  return static_cast<int>(SendMessageW(list.hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ClearListBoxItems(const Control& list) { SendMessageW(list.hwnd, LB_RESETCONTENT, 0, 0); }

int ListBoxItemCount(const Control& list) { return Count(list, LB_GETCOUNT); }

std::wstring ListBoxItemText(const Control& list, int index) {
  return ItemText(list, LB_GETTEXTLEN, LB_GETTEXT, index);
}

int ListBoxSelectedIndex(const Control& list) {
  if (!MultipleSelection(list)) return Count(list, LB_GETCURSEL);
  const int caret = Count(list, LB_GETCARETINDEX);
  return caret >= 0 && SendMessageW(list.hwnd, LB_GETSEL, static_cast<WPARAM>(caret), 0) > 0 ? caret : -1;
}

void SetListBoxSelectedIndex(const Control& list, int index) {
  if (!MultipleSelection(list)) {
    SendMessageW(list.hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return;
  }
  SendMessageW(list.hwnd, LB_SETSEL, FALSE, -1);
  if (index < 0) return;
  SendMessageW(list.hwnd, LB_SETSEL, TRUE, index);
  SendMessageW(list.hwnd, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

std::vector<int> ListBoxSelectedIndices(const Control& list) {
  if (!MultipleSelection(list)) {
    const int selected = Count(list, LB_GETCURSEL);
    return selected >= 0 ? std::vector<int>{selected} : std::vector<int>{};
  }
  const int count = Count(list, LB_GETSELCOUNT);
  if (count <= 0) return {};
  std::vector<int> indices(static_cast<std::size_t>(count));
  const LRESULT got = SendMessageW(list.hwnd, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(indices.data()));
  indices.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
  return indices;
}

void SetListBoxItemSelected(const Control& list, int index, bool selected) {
  SendMessageW(list.hwnd, LB_SETSEL, selected ? TRUE : FALSE, index);
}

int ListBoxTopIndex(const Control& list) { return Count(list, LB_GETTOPINDEX); }

void SetListBoxHorizontalExtent(const Control& list, int pixels) {
  SendMessageW(list.hwnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels), 0);
}

// Check lists.

Control& AddCheckList(Window& window, const dock::Item& dock) {
  Control& list = AddListView(window, dock, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                              LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  SendMessageW(list.hwnd, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  // The one column fills the client width, also when a scroll bar comes or goes.
  Subclass(list.hwnd, [hwnd = list.hwnd](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_SIZE) return false;
    result = PassToControl(hwnd, message, wParam, lParam);
    RECT client{};
    GetClientRect(hwnd, &client);
    if (SendMessageW(hwnd, LVM_GETCOLUMNWIDTH, 0, 0) != client.right)
      SendMessageW(hwnd, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(client.right, 0));
    return true;
  });
  return list;
}

int AddCheckListItem(const Control& checkList, const std::wstring& text, bool checked) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = CheckListItemCount(checkList);
  item.pszText = const_cast<wchar_t*>(text.c_str());
  const int index = static_cast<int>(SendMessageW(checkList.hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (index >= 0 && checked) {
    // The list view gives a new item the unticked box whatever the insert asked for: tick it afterwards,
    // and keep that from being reported as a tick.
    SetPropW(checkList.hwnd, kAddingProperty, reinterpret_cast<HANDLE>(1));
    SetCheckListItemChecked(checkList, index, true);
    RemovePropW(checkList.hwnd, kAddingProperty);
  }
  return index;
}

void ClearCheckListItems(const Control& checkList) { ClearGridRows(checkList); }

int CheckListItemCount(const Control& checkList) { return GridRowCount(checkList); }

std::wstring CheckListItemText(const Control& checkList, int index) { return GridCell(checkList, index, 0); }

bool CheckListItemChecked(const Control& checkList, int index) {
  const auto state = static_cast<UINT>(SendMessageW(checkList.hwnd, LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                                                    LVIS_STATEIMAGEMASK));
  return StateImage(state) == kChecked;
}

void SetCheckListItemChecked(const Control& checkList, int index, bool checked) {
  LVITEMW item{};
  item.state = INDEXTOSTATEIMAGEMASK(checked ? kChecked : kUnchecked);
  item.stateMask = LVIS_STATEIMAGEMASK;
  SendMessageW(checkList.hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void OnCheckChange(Control& checkList, std::function<void(int index, bool checked)> handler) {
  checkList.onNotify = [previous = std::move(checkList.onNotify), handler = std::move(handler)](NMHDR& header) {
    const LRESULT result = previous ? previous(header) : 0;
    if (header.code != LVN_ITEMCHANGED || !handler || GetPropW(header.hwndFrom, kAddingProperty)) return result;
    const ListItemChange change = ItemChangeOf(reinterpret_cast<const NMLISTVIEW&>(header));
    if (const std::optional<bool> ticked = TickChange(change)) handler(change.item, *ticked);
    return result;
  };
}

// Grids.

Control& AddGrid(Window& window, const dock::Item& dock, const std::vector<GridColumn>& columns,
                 bool multipleSelection) {
  Control& grid = AddListView(window, dock, LVS_REPORT | LVS_SHOWSELALWAYS | (multipleSelection ? 0 : LVS_SINGLESEL),
                              LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  SetGridColumns(grid, columns);
  return grid;
}

void SetGridColumns(Control& grid, const std::vector<GridColumn>& columns) {
  SendMessageW(grid.hwnd, LVM_DELETEALLITEMS, 0, 0);
  for (int count = GridColumnCount(grid); count > 0; --count) SendMessageW(grid.hwnd, LVM_DELETECOLUMN, 0, 0);
  const int dpi = grid.owner ? grid.owner->Dpi() : 96;
  int index = 0;
  for (const GridColumn& wanted : columns) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = wanted.format;
    column.cx = dock::Scale(wanted.width96, dpi);
    column.pszText = const_cast<wchar_t*>(wanted.caption.c_str());
    SendMessageW(grid.hwnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&column));
  }
  // The widths (also those the user dragged) follow the owner's DPI.
  grid.onDpiChange = [hwnd = grid.hwnd](int oldDpi, int newDpi) {
    const HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd, LVM_GETHEADER, 0, 0));
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < count; ++column) {
      const int width = static_cast<int>(SendMessageW(hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
      SendMessageW(hwnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                   MAKELPARAM(RescaleWidth(width, oldDpi, newDpi), 0));
    }
  };
}

int GridColumnCount(const Control& grid) {
  const HWND header = reinterpret_cast<HWND>(SendMessageW(grid.hwnd, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int AddGridRow(const Control& grid, const std::vector<std::wstring>& cells) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = GridRowCount(grid);
  item.pszText = const_cast<wchar_t*>(cells.empty() ? L"" : cells[0].c_str());
  const int row = static_cast<int>(SendMessageW(grid.hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return row;
  const int columns = GridColumnCount(grid);
  for (int column = 1; column < columns && column < static_cast<int>(cells.size()); ++column)
    SetGridCell(grid, row, column, cells[static_cast<std::size_t>(column)]);
  return row;
}

void ClearGridRows(const Control& grid) { SendMessageW(grid.hwnd, LVM_DELETEALLITEMS, 0, 0); }

int GridRowCount(const Control& grid) { return Count(grid, LVM_GETITEMCOUNT); }

std::wstring GridCell(const Control& grid, int row, int column) {
  if (row < 0 || row >= GridRowCount(grid)) return {};
  // LVM_GETITEMTEXT tells no length: grow the buffer until the text fits with room to spare.
  for (std::size_t size = 256;; size *= 4) {
    std::wstring text(size, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(size);
    const auto length = static_cast<std::size_t>(
        SendMessageW(grid.hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < size || size >= (1u << 24)) {
      text.resize(std::min(length, size));
      return text;
    }
  }
}

void SetGridCell(const Control& grid, int row, int column, const std::wstring& text) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(grid.hwnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::vector<int> GridSelectedRows(const Control& grid) {
  std::vector<int> rows;
  for (int row = -1;;) {
    row = static_cast<int>(SendMessageW(grid.hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
    if (row < 0) return rows;
    rows.push_back(row);
  }
}

}  // namespace velura::ui
