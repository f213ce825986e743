// Typed helpers for the list-like controls, so a window never hand-writes their messages: combo boxes,
// list boxes, check lists and grids (report list views). Indices are 0-based; -1 means "none". Create the
// controls with controls_win.h (AddComboBox, AddListBox) or here (AddCheckList, AddGrid); bind their
// selection changes with OnSelectionChange (control_events_win.h).
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/framework/window_win.h"

namespace velura::ui {

// Combo boxes. The edit text is the window text: what is typed in a CBS_DROPDOWN box, the selected item's
// text in a CBS_DROPDOWNLIST box.
int AddComboItem(const Control& combo, const std::wstring& text);  // returns its index
void ClearComboItems(const Control& combo);
int ComboItemCount(const Control& combo);
std::wstring ComboItemText(const Control& combo, int index);  // empty for an index out of range
int ComboSelectedIndex(const Control& combo);
void SetComboSelectedIndex(const Control& combo, int index);  // -1 clears the selection
std::wstring ComboEditText(const Control& combo);
void SetComboEditText(const Control& combo, const std::wstring& text);

// List boxes, single or multiple selection (LBS_MULTIPLESEL, LBS_EXTENDEDSEL).
int AddListBoxItem(const Control& list, const std::wstring& text);  // returns its index
void ClearListBoxItems(const Control& list);
int ListBoxItemCount(const Control& list);
std::wstring ListBoxItemText(const Control& list, int index);  // empty for an index out of range
// The selected item of a single-selection list box; the item with the focus rectangle of a multiple one.
int ListBoxSelectedIndex(const Control& list);
// Makes `index` the only selected item (-1: none), in either kind of list box.
void SetListBoxSelectedIndex(const Control& list, int index);
// Every selected item in ascending order, in either kind of list box.
std::vector<int> ListBoxSelectedIndices(const Control& list);
// Selects or deselects one item of a multiple-selection list box.
void SetListBoxItemSelected(const Control& list, int index, bool selected);
int ListBoxTopIndex(const Control& list);  // the first line in view
// The width in pixels the horizontal scroll bar (WS_HSCROLL) scrolls over.
void SetListBoxHorizontalExtent(const Control& list, int pixels);

// Check lists: one column of items with tick boxes the user toggles with a click on the box or with Space
// (a report list view with LVS_EX_CHECKBOXES and no header; docs/ui-toolkit.md says why). Its column
// always fills the width.
Control& AddCheckList(Window& window, const dock::Item& dock);
int AddCheckListItem(const Control& checkList, const std::wstring& text, bool checked = false);
void ClearCheckListItems(const Control& checkList);
int CheckListItemCount(const Control& checkList);
std::wstring CheckListItemText(const Control& checkList, int index);
bool CheckListItemChecked(const Control& checkList, int index);
void SetCheckListItemChecked(const Control& checkList, int index, bool checked);
// A tick was set or cleared, by the user or by SetCheckListItemChecked. Chained like the other binders.
void OnCheckChange(Control& checkList, std::function<void(int index, bool checked)> handler);

// Grids: report list views of rows of cell texts (LVS_REPORT, full-row selection).
struct GridColumn {
  std::wstring caption;
  int width96 = 80;  // 96-DPI pixels, scaled to the owner's DPI and rescaled when it changes
  int format = LVCFMT_LEFT;
};
Control& AddGrid(Window& window, const dock::Item& dock, const std::vector<GridColumn>& columns,
                 bool multipleSelection = false);
// Replaces the columns of a report list view; the rows are cleared. Sets the record's onDpiChange.
void SetGridColumns(Control& grid, const std::vector<GridColumn>& columns);
int GridColumnCount(const Control& grid);
// Appends a row; cells beyond the column count are dropped, missing ones stay empty. Returns its index.
int AddGridRow(const Control& grid, const std::vector<std::wstring>& cells);
void ClearGridRows(const Control& grid);
int GridRowCount(const Control& grid);
std::wstring GridCell(const Control& grid, int row, int column);
void SetGridCell(const Control& grid, int row, int column, const std::wstring& text);
std::vector<int> GridSelectedRows(const Control& grid);  // ascending

}  // namespace velura::ui
