// Typed helpers for tree views (created with AddTreeView, controls_win.h), so a window never hand-writes
// their messages, hit tests or custom-draw answers. Item functions take the tree's HWND, because the file
// trees of the font views hold only that; the binders take the control record they wire. A null item
// means "none" throughout. Bind selection changes with OnSelectionChange (control_events_win.h).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/framework/window_win.h"

namespace velura::ui {

// How InsertTreeItem places and marks the new item; name only what differs.
struct TreeItemInsert {
  HTREEITEM parent = TVI_ROOT;
  HTREEITEM after = TVI_LAST;  // an item, TVI_FIRST or TVI_LAST
  LPARAM data = 0;
  int stateImage = -1;  // 0 (none) to 15 in the tree's state images; -1 leaves the state image unset
  bool bold = false;
  bool childButton = false;  // a button before any child exists (children listed on expansion)
};
HTREEITEM InsertTreeItem(HWND tree, const wchar_t* text, const TreeItemInsert& insert = {});

std::wstring TreeItemText(HWND tree, HTREEITEM item);  // empty for no item
void SetTreeItemText(HWND tree, HTREEITEM item, const wchar_t* text);
LPARAM TreeItemData(HWND tree, HTREEITEM item);     // 0 for no item
int TreeItemStateImage(HWND tree, HTREEITEM item);  // 0 for no item or no state image
void SetTreeItemStateImage(HWND tree, HTREEITEM item, int image);
// Shows or hides the item's expand button whatever children it has now.
void SetTreeItemChildButton(HWND tree, HTREEITEM item, bool shown);

// Walking and selection.
HTREEITEM TreeRoot(HWND tree);  // the first top item
HTREEITEM TreeParent(HWND tree, HTREEITEM item);
HTREEITEM TreeFirstChild(HWND tree, HTREEITEM item);
HTREEITEM TreeNextSibling(HWND tree, HTREEITEM item);
HTREEITEM TreeNextVisible(HWND tree, HTREEITEM item);  // the item on the next row, expanded items opened
HTREEITEM TreeSelection(HWND tree);
bool SelectTreeItem(HWND tree, HTREEITEM item);  // nullptr clears the selection; false if refused
void ScrollTreeItemToTop(HWND tree, HTREEITEM item);
void EnsureTreeItemVisible(HWND tree, HTREEITEM item);
void ExpandTreeItem(HWND tree, HTREEITEM item);
void DeleteTreeItem(HWND tree, HTREEITEM item);
void EditTreeItemLabel(HWND tree, HTREEITEM item);  // opens the label editor (TVS_EDITLABELS)
void SetTreeDropTarget(HWND tree, HTREEITEM item);  // highlights the item a drag is over; nullptr: none
void ClearTreeItems(HWND tree);
int TreeItemCount(HWND tree);

// What lies at a point: the item on whose row it is (nullptr: none) and the TVHT_ flags of the part hit.
struct TreeHit {
  HTREEITEM item = nullptr;
  UINT flags = 0;
};
TreeHit HitTestTree(HWND tree, POINT client);
TreeHit HitTestTreeAtScreen(HWND tree, POINT screen);
// Where the mouse was for the message being handled (GetMessagePos): what NM_CLICK and NM_RCLICK mean.
TreeHit HitTestTreeAtMessagePos(HWND tree);
// The item whose state icon is at the point, or nullptr.
HTREEITEM TreeStateIconAt(HWND tree, POINT client);
HTREEITEM TreeStateIconAtMessagePos(HWND tree);

// A left click on an item's state icon (NM_CLICK at the icon). Chained like the other binders.
void OnStateIconClick(Control& tree, std::function<void(HTREEITEM item)> handler);

// The custom look of one item, asked for before it is painted (NM_CUSTOMDRAW, CDDS_ITEMPREPAINT).
struct TreeItemPaint {
  HTREEITEM item = nullptr;
  LPARAM data = 0;
  bool selected = false;
  bool treeFocused = false;  // the tree has the keyboard focus
};
struct TreeItemLook {  // a default-made look paints the item as the tree would
  std::optional<COLORREF> text = {};
  std::optional<COLORREF> background = {};
  HFONT font = nullptr;        // selected into the item's DC; the caller keeps it alive
  bool overSelection = false;  // the colours replace the selection's highlight (the item is painted as unselected)
};
using TreeItemLooks = std::function<TreeItemLook(const TreeItemPaint&)>;

// The answer to an NM_CUSTOMDRAW of a tree view with per-item looks, for a notify handler that answers it
// itself; 0 (CDRF_DODEFAULT) for any other notification.
LRESULT PaintTreeItem(NMHDR& header, const TreeItemLooks& looks);
// Wires looks into the record: the handler wired before still runs first, but the looks answer
// NM_CUSTOMDRAW.
void OnTreeItemPaint(Control& tree, TreeItemLooks looks);

}  // namespace velura::ui
