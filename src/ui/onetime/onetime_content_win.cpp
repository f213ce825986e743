// TForm_OneTimeInst: the content view of the selected group (its own entries and its descendants'), adding
// files and folders, the path panel, deleting entries.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "platform/ansi_win.h"
#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/tree_view_win.h"
#include "ui/onetime/form_onetime_inst_win.h"
#include "ui/onetime/onetime_entry_paths.h"
#include "ui/onetime/onetime_entry_paths_win.h"
#include "ui/onetime/onetime_registration.h"

namespace velura {

namespace {

// An entry node's data: the entry, with bit 0 set for a descendant's entry and bit 1 for an entry that is
// not there (entries are aligned).
constexpr LPARAM kDescendantBit = 1, kNotThereBit = 2;
LPARAM EntryData(const ContentEntry& entry, EntryState state) {
  return reinterpret_cast<LPARAM>(entry.item) | (entry.section == ContentSection::Descendants ? kDescendantBit : 0) |
         (state == EntryState::Present ? 0 : kNotThereBit);
}
const TNameItem* EntryOfData(LPARAM data) {
  return reinterpret_cast<const TNameItem*>(data & ~(kDescendantBit | kNotThereBit));
}

HTREEITEM Insert(HWND tree, HTREEITEM parent, const std::wstring& text, LPARAM data) {
  return ui::InsertTreeItem(tree, text.c_str(), {.parent = parent, .data = data});
}

void CollectTexts(HWND tree, HTREEITEM item, std::vector<std::wstring>& out) {
  for (; item; item = ui::TreeNextSibling(tree, item)) {
    out.push_back(ui::TreeItemText(tree, item));
    CollectTexts(tree, ui::TreeFirstChild(tree, item), out);
  }
}

std::u16string ShownPath(const std::string& ansiPath) { return FromAnsi(ansiPath); }

}  // namespace

void TForm_OneTimeInst::BuildContentView() {
  const HWND tree = TntTreeView_GroupItem->hwnd;
  SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
  ui::ClearTreeItems(tree);
  if (const TGroupItem* group = SelectedGroup()) {
    const ContentPlan plan = PlanContent(*group);
    EntryProber prober;
    auto addEntry = [&](HTREEITEM parent, const ContentEntry& e) {
      const EntryState state = prober(e.item->Path, e.item->IsDir);
      Insert(tree, parent, ToWide(ContentEntryText(FromAnsi(e.item->Path), state)), EntryData(e, state));
    };
    auto section = [&](const wchar_t* title, const std::vector<ContentEntry>& folders,
                       const std::vector<ContentEntry>& files) {
      const HTREEITEM top = Insert(tree, TVI_ROOT, title, 0);
      const HTREEITEM folderNode = Insert(tree, top, L"フォルダ", 0);
      for (const ContentEntry& e : folders) addEntry(folderNode, e);
      const HTREEITEM fileNode = Insert(tree, top, L"ファイル", 0);
      for (const ContentEntry& e : files) addEntry(fileNode, e);
      for (HTREEITEM item : {top, folderNode, fileNode}) ui::ExpandTreeItem(tree, item);
    };
    section(L"グループの登録内容", plan.ownFolders, plan.ownFiles);
    section(L"子グループの登録内容", plan.childFolders, plan.childFiles);
  }
  SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree, nullptr, TRUE);
}

std::vector<std::wstring> TForm_OneTimeInst::ContentTexts() const {
  std::vector<std::wstring> texts;
  CollectTexts(TntTreeView_GroupItem->hwnd, ui::TreeRoot(TntTreeView_GroupItem->hwnd), texts);
  return texts;
}

TNameItem* TForm_OneTimeInst::SelectedEntry() const {
  const HWND tree = TntTreeView_GroupItem->hwnd;
  return const_cast<TNameItem*>(EntryOfData(ui::TreeItemData(tree, ui::TreeSelection(tree))));
}

bool TForm_OneTimeInst::SelectEntry(const TNameItem* entry) {
  const HWND tree = TntTreeView_GroupItem->hwnd;
  for (HTREEITEM top = ui::TreeRoot(tree); top; top = ui::TreeNextSibling(tree, top))
    for (HTREEITEM kind = ui::TreeFirstChild(tree, top); kind; kind = ui::TreeNextSibling(tree, kind))
      for (HTREEITEM item = ui::TreeFirstChild(tree, kind); item; item = ui::TreeNextSibling(tree, item))
        if (EntryOfData(ui::TreeItemData(tree, item)) == entry) return ui::SelectTreeItem(tree, item);
  return false;
}

LRESULT TForm_OneTimeInst::ContentTreeNotify(NMHDR& header) {
  const HWND tree = TntTreeView_GroupItem->hwnd;
  if (header.code == NM_DBLCLK) {  // TntTreeView_GroupItemDblClick: a path entry into the path panel
    if (const TNameItem* entry = SelectedEntry()) ShowPathPanel(ToWide(FromAnsi(entry->Path)));
    return 0;
  }
  if (header.code == NM_RCLICK) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (HTREEITEM item = ui::HitTestTreeAtScreen(tree, cursor).item) ui::SelectTreeItem(tree, item);
    return 0;
  }
  // TntTreeView_GroupItemAdvancedCustomDrawItem: section titles underlined, entries in their colours.
  return ui::PaintTreeItem(header, [this, tree](const ui::TreeItemPaint& paint) {
    ui::TreeItemLook look;
    if (paint.selected) return look;  // the system's highlight colours
    if (!ui::TreeParent(tree, paint.item)) {
      if (!underlineFont_.Get()) {
        LOGFONTW face{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(tree, WM_GETFONT, 0, 0)), sizeof face, &face);
        face.lfUnderline = TRUE;
        underlineFont_.Reset(CreateFontIndirectW(&face));
      }
      look.font = underlineFont_.Get();
    } else if (const TNameItem* entry = EntryOfData(paint.data)) {
      const auto section = (paint.data & kDescendantBit) ? ContentSection::Descendants : ContentSection::Own;
      look.text = (paint.data & kNotThereBit) ? kMissingEntryColour : ContentEntryColour(section, entry->IsDir);
    }
    return look;
  });
}

bool TForm_OneTimeInst::AddEntry(TGroupItem& group, std::string path, bool isDir) {
  if (HasSameEntry(group, FromAnsi(path), engine_.Registrations(), FromAnsi)) return false;
  TNameItem& entry = groups_.AddPath(group, std::move(path), isDir);
  if (group.Registered()) {
    LoadEntry(group, entry);
    entry.Loaded = true;
  }
  return true;
}

void TForm_OneTimeInst::ShowSameEntryNote(const std::vector<std::u16string>& refused) {
  if (!refused.empty()) ui::SetStatusText(*StatusBar1, 2, ToWide(SameEntryNote(refused)));
}

void TForm_OneTimeInst::AddPathsChecked(const std::vector<std::u16string>& paths) {
  TGroupItem* group = SelectedGroup();
  if (!group) {
    ShowMessage(u"グループが選択されていません\r\n対象のグループを選択してから追加してください", u"グループ未選択",
                MessageIcon::Information);
    return;
  }
  int added = 0;
  std::u16string refused;
  std::vector<std::u16string> present;
  for (const std::u16string& path : paths) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const CheckedPath kind = CheckExistingPath(path, exists && (attributes & FILE_ATTRIBUTE_DIRECTORY),
                                               exists && !(attributes & FILE_ATTRIBUTE_DIRECTORY));
    if (kind == CheckedPath::Skip) continue;
    const std::optional<std::string> ansi = ToAnsiExact(path);
    if (!ansi) {  // stored garbled, the entry would never be found again
      refused += u"\r\n" + path;
      continue;
    }
    if (AddEntry(*group, *ansi, kind == CheckedPath::Folder)) ++added;
    else present.push_back(path);
  }
  if (!refused.empty())
    ShowMessage(u"次のパスはシステムの文字コードで表せない文字を含むため追加できません" + refused, u"VELURA",
                MessageIcon::Warning);
  if (added > 0) RefreshViews();
  ShowSameEntryNote(present);
}

void TForm_OneTimeInst::Button_PathAddClick() {
  TGroupItem* group = SelectedGroup();
  if (!group) {
    ShowMessage(u"グループが選択されていません\r\n対象のグループを選択してから追加してください", u"グループ未選択",
                MessageIcon::Information);
    return;
  }
  const std::u16string text = ToU16(ui::WindowText(Edit_Path->hwnd));
  const ManualPath kind = CheckManualPath(text);
  if (kind == ManualPath::Rejected) {
    ShowMessage(
        u"パス形式が正しくありません\r\n絶対パスの場合は一文字のドライブレターから始まるパスを\r\n"
        u"相対パスの場合は ./  ../  .\\  ..\\から始まるパスを\r\n入力してください",
        u"簡易チェック", MessageIcon::Information);
    return;
  }
  const std::optional<std::string> ansi = ToAnsiExact(text);
  if (!ansi) {
    ShowMessage(u"次のパスはシステムの文字コードで表せない文字を含むため追加できません\r\n" + text, u"VELURA",
                MessageIcon::Warning);
    return;
  }
  if (!AddEntry(*group, *ansi, kind == ManualPath::Folder)) {
    ShowSameEntryNote({text});
    return;
  }
  RefreshViews();
}

void TForm_OneTimeInst::DeleteSelectedEntry() {
  const TNameItem* entry = SelectedEntry();
  TGroupItem* group = SelectedGroup();
  if (!entry || !group) return;
  if (ShowMessage(u"選択されている項目を削除します", u"削除確認", MessageIcon::Information, MessageButtons::OkCancel) !=
      MessageResult::Ok)
    return;
  ClearFontView();
  // The entry may be a descendant's: it is taken out of whichever group holds it, its registrations released.
  // The group's other entries then load what the entry held of theirs (a file inside a deleted folder).
  for (TGroupItem* g : groups_.AllGroups()) {
    if (!groups_.RemovePath(*g, *entry)) continue;
    if (g->Registered())
      for (const auto& other : g->PathCollection) LoadEntry(*g, *other);
    break;
  }
  BuildContentView();
  BuildFontView();
}

void TForm_OneTimeInst::DeleteMissingEntries() {
  TGroupItem* group = SelectedGroup();
  if (!group) return;
  // Exactly what is listed is removed; entries whose drive or server cannot be reached are listed as kept.
  EntryProber prober;
  MissingEntryList own;
  AddMissingEntries(*group, prober, own);
  if (ShowMessage(MissingEntriesQuestion(u"ファイル・フォルダが存在しない項目をすべて削除します", own, ShownPath),
                  u"削除確認", MessageIcon::Question, MessageButtons::YesNo) != MessageResult::Yes)
    return;
  ClearFontView();
  int removed = RemoveMissingEntries(groups_, *group,
                                     [&](const std::string& path, bool isDir) { return !own.Removes(path, isDir); });
  bool anything = removed > 0;
  MissingEntryList all;
  if (groups_.GroupCount() > 1)
    for (TGroupItem* g : groups_.AllGroups()) AddMissingEntries(*g, prober, all);
  if (groups_.GroupCount() == 1) {
    ShowMessage(RemovedCountText(removed), u"削除件数");
  } else if (ShowMessage(MissingEntriesQuestion(RemovedAskOthersText(removed), all, ShownPath), u"自動削除確認",
                         MessageIcon::Question, MessageButtons::YesNo) == MessageResult::Yes) {
    int total = 0;
    for (TGroupItem* g : groups_.AllGroups())
      total += RemoveMissingEntries(groups_, *g,
                                    [&](const std::string& path, bool isDir) { return !all.Removes(path, isDir); });
    anything = anything || total > 0;
    ShowMessage(RemovedTotalText(total), u"削除件数");
  }
  if (anything) BuildContentView();
  BuildFontView();
}

void TForm_OneTimeInst::ShowPathPanel(const std::wstring& text) {
  SetWindowTextW(Edit_Path->hwnd, text.c_str());
  ui::SetVisible(*ui::ControlOf(GroupBox_Path.Hwnd()), true);
  SetFocus(Edit_Path->hwnd);
}

bool TForm_OneTimeInst::PathPanelVisible() const { return IsWindowVisible(GroupBox_Path.Hwnd()) != FALSE; }

void TForm_OneTimeInst::OpenFolderOfEntry() {
  const TNameItem* entry = SelectedEntry();
  if (!entry) return;
  const std::wstring parameters = ToWide(ExplorerParameters(EntryFullPath(entry->Path), entry->IsDir));
  ShellExecuteW(Hwnd(), L"OPEN", L"Explorer.exe", parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace velura
