#include "ui/framework/tree_view_win.h"

#include <cwchar>
#include <utility>

namespace velura::ui {
namespace {

HTREEITEM Next(HWND tree, UINT how, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

bool GetItem(HWND tree, TVITEMW& item) {
  return item.hItem && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

void SetItem(HWND tree, TVITEMW& item) {
  if (item.hItem) SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

HTREEITEM InsertTreeItem(HWND tree, const wchar_t* text, const TreeItemInsert& insert) {
  TVINSERTSTRUCTW item{};
  item.hParent = insert.parent;
  item.hInsertAfter = insert.after;
  item.item.mask = TVIF_TEXT | TVIF_PARAM;
  item.item.pszText = const_cast<wchar_t*>(text);
  item.item.lParam = insert.data;
  if (insert.stateImage >= 0 || insert.bold) {
    item.item.mask |= TVIF_STATE;
    if (insert.stateImage >= 0) {
      item.item.stateMask |= TVIS_STATEIMAGEMASK;
      item.item.state |= INDEXTOSTATEIMAGEMASK(insert.stateImage);
    }
    if (insert.bold) {
      item.item.stateMask |= TVIS_BOLD;
      item.item.state |= TVIS_BOLD;
    }
  }
  if (insert.childButton) {
    item.item.mask |= TVIF_CHILDREN;
    item.item.cChildren = 1;
  }
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
  // The control copies at most the buffer's size and tells no length: grow until the text fits.
  for (std::size_t size = 256;; size *= 2) {
    std::wstring buffer(size, L'\0');
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = buffer.data();
    data.cchTextMax = static_cast<int>(size);
    if (!GetItem(tree, data) || !data.pszText) return {};
    const std::size_t length = wcsnlen(data.pszText, size);
    if (length + 1 < size || size >= 65536) return std::wstring(data.pszText, length);
  }
}

void SetTreeItemText(HWND tree, HTREEITEM item, const wchar_t* text) {
  TVITEMW data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = const_cast<wchar_t*>(text);
  SetItem(tree, data);
}

LPARAM TreeItemData(HWND tree, HTREEITEM item) {
  TVITEMW data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  return GetItem(tree, data) ? data.lParam : 0;
}

int TreeItemStateImage(HWND tree, HTREEITEM item) {
  if (!item) return 0;
  const auto state =
      static_cast<UINT>(SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK));
  return static_cast<int>((state & TVIS_STATEIMAGEMASK) >> 12);
}

void SetTreeItemStateImage(HWND tree, HTREEITEM item, int image) {
  TVITEMW data{};
  data.mask = TVIF_STATE;
  data.hItem = item;
  data.stateMask = TVIS_STATEIMAGEMASK;
  data.state = INDEXTOSTATEIMAGEMASK(image);
  SetItem(tree, data);
}

void SetTreeItemChildButton(HWND tree, HTREEITEM item, bool shown) {
  TVITEMW data{};
  data.mask = TVIF_CHILDREN;
  data.hItem = item;
  data.cChildren = shown ? 1 : 0;
  SetItem(tree, data);
}

HTREEITEM TreeRoot(HWND tree) { return Next(tree, TVGN_ROOT, nullptr); }
HTREEITEM TreeParent(HWND tree, HTREEITEM item) { return item ? Next(tree, TVGN_PARENT, item) : nullptr; }
HTREEITEM TreeFirstChild(HWND tree, HTREEITEM item) { return item ? Next(tree, TVGN_CHILD, item) : nullptr; }
HTREEITEM TreeNextSibling(HWND tree, HTREEITEM item) { return item ? Next(tree, TVGN_NEXT, item) : nullptr; }
HTREEITEM TreeNextVisible(HWND tree, HTREEITEM item) { return item ? Next(tree, TVGN_NEXTVISIBLE, item) : nullptr; }
HTREEITEM TreeSelection(HWND tree) { return Next(tree, TVGN_CARET, nullptr); }

bool SelectTreeItem(HWND tree, HTREEITEM item) {
  return SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != FALSE;
}

void ScrollTreeItemToTop(HWND tree, HTREEITEM item) {
  SendMessageW(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(item));
}

void EnsureTreeItemVisible(HWND tree, HTREEITEM item) {
  if (item) SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

void ExpandTreeItem(HWND tree, HTREEITEM item) {
  if (item) SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void DeleteTreeItem(HWND tree, HTREEITEM item) {
  if (item) SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

void EditTreeItemLabel(HWND tree, HTREEITEM item) {
  if (item) SendMessageW(tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item));
}

void SetTreeDropTarget(HWND tree, HTREEITEM item) {
  SendMessageW(tree, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item));
}

void ClearTreeItems(HWND tree) { SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

int TreeItemCount(HWND tree) { return static_cast<int>(SendMessageW(tree, TVM_GETCOUNT, 0, 0)); }

TreeHit HitTestTree(HWND tree, POINT client) {
  TVHITTESTINFO hit{};
  hit.pt = client;
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return {item, hit.flags};
}

TreeHit HitTestTreeAtScreen(HWND tree, POINT screen) {
  ScreenToClient(tree, &screen);
  return HitTestTree(tree, screen);
}

TreeHit HitTestTreeAtMessagePos(HWND tree) {
  const DWORD position = GetMessagePos();
  return HitTestTreeAtScreen(tree, {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))});
}

HTREEITEM TreeStateIconAt(HWND tree, POINT client) {
  const TreeHit hit = HitTestTree(tree, client);
  return (hit.flags & TVHT_ONITEMSTATEICON) ? hit.item : nullptr;
}

HTREEITEM TreeStateIconAtMessagePos(HWND tree) {
  const TreeHit hit = HitTestTreeAtMessagePos(tree);
  return (hit.flags & TVHT_ONITEMSTATEICON) ? hit.item : nullptr;
}

void OnStateIconClick(Control& tree, std::function<void(HTREEITEM item)> handler) {
  tree.onNotify = [previous = std::move(tree.onNotify), handler = std::move(handler)](NMHDR& header) {
    const LRESULT result = previous ? previous(header) : 0;
    if (header.code == static_cast<UINT>(NM_CLICK) && handler)
      if (HTREEITEM item = TreeStateIconAtMessagePos(header.hwndFrom)) handler(item);
    return result;
  };
}

LRESULT PaintTreeItem(NMHDR& header, const TreeItemLooks& looks) {
  if (header.code != static_cast<UINT>(NM_CUSTOMDRAW)) return CDRF_DODEFAULT;
  auto& draw = reinterpret_cast<NMTVCUSTOMDRAW&>(header);
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || !looks) return CDRF_DODEFAULT;
  TreeItemPaint paint;
  paint.item = reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec);
  paint.data = draw.nmcd.lItemlParam;
  paint.selected = (draw.nmcd.uItemState & CDIS_SELECTED) != 0;
  paint.treeFocused = GetFocus() == header.hwndFrom;
  const TreeItemLook look = looks(paint);
  if (look.text) draw.clrText = *look.text;
  if (look.background) draw.clrTextBk = *look.background;
  if (look.overSelection) draw.nmcd.uItemState &= ~CDIS_SELECTED;  // else the highlight paints over them
  if (!look.font) return CDRF_DODEFAULT;
  SelectObject(draw.nmcd.hdc, look.font);
  return CDRF_NEWFONT;
}

void OnTreeItemPaint(Control& tree, TreeItemLooks looks) {
  tree.onNotify = [previous = std::move(tree.onNotify), looks = std::move(looks)](NMHDR& header) {
    const LRESULT result = previous ? previous(header) : 0;
    return header.code == static_cast<UINT>(NM_CUSTOMDRAW) ? PaintTreeItem(header, looks) : result;
  };
}

}  // namespace velura::ui
