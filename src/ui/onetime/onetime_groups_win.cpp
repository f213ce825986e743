// TForm_OneTimeInst: the group tree. Every node carries its TGroupItem; the store's collections and the
// nodes are changed together, so the tree order is always the stored order.
#include <windows.h>
#include <commctrl.h>

#include "platform/ansi_win.h"
#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"
#include "ui/onetime/form_onetime_inst_win.h"

namespace velura {

namespace {

TGroupItem* GroupOfItem(HWND tree, HTREEITEM item) {
  if (!item) return nullptr;
  TVITEMW data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) return nullptr;
  return reinterpret_cast<TGroupItem*>(data.lParam);
}

HTREEITEM FindItem(HWND tree, HTREEITEM item, const TGroupItem* group) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    if (GroupOfItem(tree, item) == group) return item;
    if (HTREEITEM found = FindItem(tree, TreeView_GetChild(tree, item), group)) return found;
  }
  return nullptr;
}

void ExpandAll(HWND tree, HTREEITEM item) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    TreeView_Expand(tree, item, TVE_EXPAND);
    ExpandAll(tree, TreeView_GetChild(tree, item));
  }
}

}  // namespace

void TForm_OneTimeInst::BuildGroupTree() {
  const HWND tree = TntTreeView_Group->hwnd;
  building_ = true;
  TreeView_DeleteAllItems(tree);
  for (const auto& group : groups_.GroupItem) AddGroupNodes(TVI_ROOT, *group);
  ExpandAll(tree, TreeView_GetRoot(tree));
  building_ = false;
  TntTreeView_GroupChange();
}

void TForm_OneTimeInst::AddGroupNodes(HTREEITEM parent, const TGroupItem& group) {
  const std::wstring text = ToWide(FromAnsi(group.GroupName));
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.lParam = reinterpret_cast<LPARAM>(&group);
  insert.item.stateMask = TVIS_STATEIMAGEMASK;
  insert.item.state = INDEXTOSTATEIMAGEMASK(group.Registered() ? 2 : 1);
  const auto item = reinterpret_cast<HTREEITEM>(
      SendMessageW(TntTreeView_Group->hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  for (const auto& child : group.GroupChildItem) AddGroupNodes(item, *child);
}

HTREEITEM TForm_OneTimeInst::ItemOfGroup(const TGroupItem* group) const {
  if (!group) return nullptr;
  const HWND tree = TntTreeView_Group->hwnd;
  return FindItem(tree, TreeView_GetRoot(tree), group);
}

TGroupItem* TForm_OneTimeInst::SelectedGroup() const {
  const HWND tree = TntTreeView_Group->hwnd;
  return GroupOfItem(tree, TreeView_GetSelection(tree));
}

void TForm_OneTimeInst::SelectGroup(const TGroupItem* group) {
  TreeView_SelectItem(TntTreeView_Group->hwnd, ItemOfGroup(group));
}

void TForm_OneTimeInst::SetGroupImages(const TGroupItem& group) {
  for (const TGroupItem* g : Descendants(group)) {
    if (HTREEITEM item = ItemOfGroup(g))
      TreeView_SetItemState(TntTreeView_Group->hwnd, item, INDEXTOSTATEIMAGEMASK(g->Registered() ? 2 : 1),
                            TVIS_STATEIMAGEMASK);
  }
  if (HTREEITEM item = ItemOfGroup(&group))
    TreeView_SetItemState(TntTreeView_Group->hwnd, item, INDEXTOSTATEIMAGEMASK(group.Registered() ? 2 : 1),
                          TVIS_STATEIMAGEMASK);
}

void TForm_OneTimeInst::AddGroup(bool child, const std::u16string& name) {
  TGroupItem* selected = SelectedGroup();
  TGroupItem* parent = !selected ? nullptr : child ? selected : selected->Parent();
  TGroupItem& group = groups_.AddGroup(parent);
  group.GroupName = ToAnsi(name);
  AddGroupNodes(parent ? ItemOfGroup(parent) : TVI_ROOT, group);
  const HWND tree = TntTreeView_Group->hwnd;
  ExpandAll(tree, TreeView_GetRoot(tree));
  SelectGroup(&group);
  SetFocus(tree);
  SendMessageW(tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(ItemOfGroup(&group)));
}

void TForm_OneTimeInst::DeleteGroup() {
  TGroupItem* group = SelectedGroup();
  if (!group) return;
  if (ShowMessage(u"グループを削除します（子グループも削除されます）", u"グループ削除", MessageIcon::Warning,
                  MessageButtons::OkCancel) != MessageResult::Ok)
    return;
  ClearFontView();
  const HTREEITEM item = ItemOfGroup(group);
  building_ = true;
  groups_.DeleteGroup(*group);  // releases the registrations of its entries and of its descendants'
  TreeView_DeleteItem(TntTreeView_Group->hwnd, item);
  building_ = false;
  TntTreeView_GroupChange();
}

void TForm_OneTimeInst::RenameSelectedGroup(const std::wstring& text) {
  TGroupItem* group = SelectedGroup();
  if (!group) return;
  // A name the group file's code page cannot spell would come back garbled: refused.
  const std::optional<std::string> name = ToAnsiExact(ToU16(text));
  if (!name) {
    ShowMessage(u"グループ名に使えない文字が含まれています", u"VELURA", MessageIcon::Information);
    return;
  }
  group->GroupName = *name;
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = ItemOfGroup(group);
  item.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(TntTreeView_Group->hwnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  SelectGroup(group);
}

void TForm_OneTimeInst::ChangeRoot() {
  TGroupItem* group = SelectedGroup();
  if (!group || !groups_.MoveGroup(*group, nullptr)) return;
  BuildGroupTree();
  SelectGroup(group);
}

bool TForm_OneTimeInst::AcceptsDrop(const TGroupItem& dragged, const TGroupItem* target) const {
  return target && !IsSameOrAncestor(dragged, *target);
}

bool TForm_OneTimeInst::DropGroupOn(TGroupItem& dragged, TGroupItem* target) {
  if (!AcceptsDrop(dragged, target) || !groups_.MoveGroup(dragged, target)) return false;
  TGroupItem* selected = SelectedGroup();
  BuildGroupTree();
  SelectGroup(selected);
  RefreshViews();
  return true;
}

void TForm_OneTimeInst::RefreshViews() {
  ClearFontView();
  BuildContentView();
  BuildFontView();
}

void TForm_OneTimeInst::TntTreeView_GroupChange() {
  if (building_) return;
  SendMessageW(StatusBar1->hwnd, SB_SIMPLE, TRUE, 0);
  SendMessageW(StatusBar1->hwnd, SB_SETTEXTW, SB_SIMPLEID,
               reinterpret_cast<LPARAM>(L"表示切り替え中です。しばらくおまちください・・・"));
  UpdateWindow(StatusBar1->hwnd);
  ClearFontView();
  BuildContentView();
  BuildFontView();
  RefreshSubForm();
  for (int panel = 0; panel < 3; ++panel) ui::SetStatusText(*StatusBar1, panel, L"");
  SendMessageW(StatusBar1->hwnd, SB_SIMPLE, FALSE, 0);
}

LRESULT TForm_OneTimeInst::GroupTreeNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW: TntTreeView_GroupChange(); return 0;
    case TVN_BEGINLABELEDITW: return FALSE;
    case TVN_ENDLABELEDITW: {  // TntTreeView_GroupEdited
      const auto& edit = reinterpret_cast<NMTVDISPINFOW&>(header);
      if (edit.item.pszText) RenameSelectedGroup(edit.item.pszText);
      return FALSE;  // the node's text was set by the rename itself, or stays
    }
    case TVN_BEGINDRAGW: {
      const auto& drag = reinterpret_cast<NMTREEVIEWW&>(header);
      dragging_ = reinterpret_cast<TGroupItem*>(drag.itemNew.lParam);
      SetCapture(TntTreeView_Group->hwnd);
      return 0;
    }
    case NM_RCLICK: {  // a right-button press on a node selects it; the pop-up follows
      TVHITTESTINFO hit{};
      GetCursorPos(&hit.pt);
      ScreenToClient(TntTreeView_Group->hwnd, &hit.pt);
      if (HTREEITEM item = TreeView_HitTest(TntTreeView_Group->hwnd, &hit))
        TreeView_SelectItem(TntTreeView_Group->hwnd, item);
      return 0;
    }
  }
  return 0;
}

bool TForm_OneTimeInst::GroupTreeMouse(UINT message, LPARAM lParam) {
  if (!dragging_) return false;
  const HWND tree = TntTreeView_Group->hwnd;
  TVHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (message == WM_MOUSEMOVE) {  // TntTreeView_GroupDragOver
    const HTREEITEM item = TreeView_HitTest(tree, &hit);
    SetCursor(LoadCursorW(nullptr, AcceptsDrop(*dragging_, GroupOfItem(tree, item)) ? IDC_ARROW : IDC_NO));
    TreeView_SelectDropTarget(tree, item);
    return true;
  }
  if (message == WM_LBUTTONUP || message == WM_CAPTURECHANGED) {  // TntTreeView_GroupDragDrop
    TGroupItem* dragged = dragging_;
    dragging_ = nullptr;
    TreeView_SelectDropTarget(tree, nullptr);
    if (message == WM_LBUTTONUP) {
      ReleaseCapture();
      DropGroupOn(*dragged, GroupOfItem(tree, TreeView_HitTest(tree, &hit)));
    }
    return true;
  }
  return false;
}

}  // namespace velura
