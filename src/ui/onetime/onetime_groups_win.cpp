// TForm_OneTimeInst: the group tree. Every node carries its TGroupItem; the store's collections and the
// nodes are changed together, so the tree order is always the stored order.
#include <windows.h>
#include <commctrl.h>

#include "platform/ansi_win.h"
#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/tree_view_win.h"
#include "ui/onetime/form_onetime_inst_win.h"

namespace velura {

namespace {

TGroupItem* GroupOfItem(HWND tree, HTREEITEM item) {
  return reinterpret_cast<TGroupItem*>(ui::TreeItemData(tree, item));
}

HTREEITEM FindItem(HWND tree, HTREEITEM item, const TGroupItem* group) {
  for (; item; item = ui::TreeNextSibling(tree, item)) {
    if (GroupOfItem(tree, item) == group) return item;
    if (HTREEITEM found = FindItem(tree, ui::TreeFirstChild(tree, item), group)) return found;
  }
  return nullptr;
}

void ExpandAll(HWND tree, HTREEITEM item) {
  for (; item; item = ui::TreeNextSibling(tree, item)) {
    ui::ExpandTreeItem(tree, item);
    ExpandAll(tree, ui::TreeFirstChild(tree, item));
  }
}

int GroupStateImage(const TGroupItem& group) { return group.Registered() ? 2 : 1; }

}  // namespace

void TForm_OneTimeInst::BuildGroupTree() {
  const HWND tree = TntTreeView_Group->hwnd;
  building_ = true;
  ui::ClearTreeItems(tree);
  for (const auto& group : groups_.GroupItem) AddGroupNodes(TVI_ROOT, *group);
  ExpandAll(tree, ui::TreeRoot(tree));
  building_ = false;
  TntTreeView_GroupChange();
}

void TForm_OneTimeInst::AddGroupNodes(HTREEITEM parent, const TGroupItem& group) {
  const std::wstring text = ToWide(FromAnsi(group.GroupName));
  const HTREEITEM item = ui::InsertTreeItem(
      TntTreeView_Group->hwnd, text.c_str(),
      {.parent = parent, .data = reinterpret_cast<LPARAM>(&group), .stateImage = GroupStateImage(group)});
  for (const auto& child : group.GroupChildItem) AddGroupNodes(item, *child);
}

HTREEITEM TForm_OneTimeInst::ItemOfGroup(const TGroupItem* group) const {
  if (!group) return nullptr;
  const HWND tree = TntTreeView_Group->hwnd;
  return FindItem(tree, ui::TreeRoot(tree), group);
}

TGroupItem* TForm_OneTimeInst::SelectedGroup() const {
  const HWND tree = TntTreeView_Group->hwnd;
  return GroupOfItem(tree, ui::TreeSelection(tree));
}

void TForm_OneTimeInst::SelectGroup(const TGroupItem* group) {
  ui::SelectTreeItem(TntTreeView_Group->hwnd, ItemOfGroup(group));
}

void TForm_OneTimeInst::SetGroupImages(const TGroupItem& group) {
  for (const TGroupItem* g : Descendants(group))
    ui::SetTreeItemStateImage(TntTreeView_Group->hwnd, ItemOfGroup(g), GroupStateImage(*g));
  ui::SetTreeItemStateImage(TntTreeView_Group->hwnd, ItemOfGroup(&group), GroupStateImage(group));
}

void TForm_OneTimeInst::AddGroup(bool child, const std::u16string& name) {
  TGroupItem* selected = SelectedGroup();
  TGroupItem* parent = !selected ? nullptr : child ? selected : selected->Parent();
  TGroupItem& group = groups_.AddGroup(parent, ToAnsi(name));
  AddGroupNodes(parent ? ItemOfGroup(parent) : TVI_ROOT, group);
  const HWND tree = TntTreeView_Group->hwnd;
  ExpandAll(tree, ui::TreeRoot(tree));
  SelectGroup(&group);
  SetFocus(tree);
  ui::EditTreeItemLabel(tree, ItemOfGroup(&group));
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
  ui::DeleteTreeItem(TntTreeView_Group->hwnd, item);
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
  groups_.RenameGroup(*group, *name);
  ui::SetTreeItemText(TntTreeView_Group->hwnd, ItemOfGroup(group), text.c_str());
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
      POINT cursor{};
      GetCursorPos(&cursor);
      if (HTREEITEM item = ui::HitTestTreeAtScreen(TntTreeView_Group->hwnd, cursor).item)
        ui::SelectTreeItem(TntTreeView_Group->hwnd, item);
      return 0;
    }
  }
  return 0;
}

bool TForm_OneTimeInst::GroupTreeMouse(UINT message, LPARAM lParam) {
  if (!dragging_) return false;
  const HWND tree = TntTreeView_Group->hwnd;
  const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (message == WM_MOUSEMOVE) {  // TntTreeView_GroupDragOver
    const HTREEITEM item = ui::HitTestTree(tree, at).item;
    SetCursor(LoadCursorW(nullptr, AcceptsDrop(*dragging_, GroupOfItem(tree, item)) ? IDC_ARROW : IDC_NO));
    ui::SetTreeDropTarget(tree, item);
    return true;
  }
  if (message == WM_LBUTTONUP || message == WM_CAPTURECHANGED) {  // TntTreeView_GroupDragDrop
    TGroupItem* dragged = dragging_;
    dragging_ = nullptr;
    ui::SetTreeDropTarget(tree, nullptr);
    if (message == WM_LBUTTONUP) {
      ReleaseCapture();
      DropGroupOn(*dragged, GroupOfItem(tree, ui::HitTestTree(tree, at).item));
    }
    return true;
  }
  return false;
}

}  // namespace velura
