// TForm_OneTimeInst: the registration switch, loading an entry's fonts, the font view with its samples and
// status bar, the details window, install of ticked fonts and the two exports.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "fontfile/font_enum_win.h"
#include "platform/ansi_win.h"
#include "platform/wide_win.h"
#include "records/coverage_loading.h"
#include "records/record_rules.h"
#include "records/text_export.h"
#include "ui/fontviews/file_node_draw_win.h"
#include "ui/fontviews/file_node_look.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/install_ticked_win.h"
#include "ui/fontviews/record_dialogs_win.h"
#include "ui/fontviews/sample_texts.h"
#include "ui/fontviews/state_image_slots.h"
#include "ui/fontviews/wait_box_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/tree_view_win.h"
#include "ui/onetime/form_onetime_inst_win.h"
#include "ui/onetime/onetime_entry_paths_win.h"
#include "ui/onetime/onetime_registration.h"

namespace velura {

void TForm_OneTimeInst::LoadEntry(TGroupItem& group, TNameItem& entry) {
  SendMessageW(fontTree_.Hwnd(), WM_SETREDRAW, FALSE, 0);
  LoadGroupEntry(engine_, group, entry, EntryFullPath(entry.Path), status_);
  SendMessageW(fontTree_.Hwnd(), WM_SETREDRAW, TRUE, 0);
}

void TForm_OneTimeInst::Action_ShowSampleExecute() {
  TGroupItem* group = SelectedGroup();
  if (!group) return;
  ClearFontView();
  SwitchGroupRegistration(groups_, *group, [this](TGroupItem& g, TNameItem& entry) { LoadEntry(g, entry); });
  SetGroupImages(*group);
  WaitBox wait(Hwnd(), WaitBox::Place::OverOwner, engine_.Loop());
  ClearFontView();
  BuildFontView();
}

void TForm_OneTimeInst::ClearFontView() {
  const bool was = building_;
  building_ = true;
  samplePane_.Clear();
  fontTree_.Clear();
  entryOfRecord_.clear();
  building_ = was;
  if (sub_) sub_->ClearPanel();
}

void TForm_OneTimeInst::AddFontNodes(const TGroupItem& group) {
  for (const auto& entry : group.PathCollection) {
    if (!entry->FontList) continue;
    for (const auto& record : entry->FontList->Items) {
      entryOfRecord_[record.get()] = entry.get();
      if (!FilePasses(*record, filter_)) continue;
      if (record->CannotDisplay) {
        const std::u16string path = record->Path;
        const std::size_t slash = path.find_last_of(u"\\/");
        fontTree_.AddNode(nullptr,
                          u"表示できないです... (" + path.substr(slash == std::u16string::npos ? 0 : slash + 1) + u")",
                          nullptr, kUndisplayableImage);
        continue;
      }
      const int image = StateImageIndex(*record);
      const FileTree::Node node = fontTree_.AddNode(nullptr, DisplayText(*record, 0), record.get(), image);
      for (std::size_t face = 1; face < record->DisplayNames.size(); ++face)
        fontTree_.AddNode(node, record->DisplayNames[face].DisplayFullName, record.get(), image);
    }
  }
  for (const auto& child : group.GroupChildItem)
    if (child->Registered()) AddFontNodes(*child);
}

namespace {

void CollectRecords(const TGroupItem& group, std::vector<TFileDataItem*>& records) {
  for (const auto& entry : group.PathCollection)
    if (entry->FontList)
      for (const auto& record : entry->FontList->Items) records.push_back(record.get());
  for (const auto& child : group.GroupChildItem)
    if (child->Registered()) CollectRecords(*child, records);
}

}  // namespace

std::vector<TFileDataItem*> TForm_OneTimeInst::FontViewRecords() const {
  std::vector<TFileDataItem*> records;
  const TGroupItem* group = SelectedGroup();
  if (group && group->Registered()) CollectRecords(*group, records);
  return records;
}

void TForm_OneTimeInst::CharFilterChange() {
  filter_ = filterBar_.Current();
  WaitBox wait(Hwnd(), WaitBox::Place::OverOwner, engine_.Loop());
  ClearFontView();
  BuildFontView();
  UpdateStatus();
}

void TForm_OneTimeInst::BuildFontView() {
  samplePane_.Clear();
  const TGroupItem* group = SelectedGroup();
  if (!group || !group->Registered()) {
    UpdateStatus();
    return;
  }
  if (filter_.Active()) {  // the first time over these files, read what the filter needs
    const CharFilter asked = filter_;
    filter_ = ReadyFilter(asked, FontViewRecords(), engine_.Loop(), status_, engine_.Records().Files);
    if (filter_ != asked) filterBar_.Reset();
  }
  building_ = true;
  SendMessageW(fontTree_.Hwnd(), WM_SETREDRAW, FALSE, 0);
  AddFontNodes(*group);
  fontTree_.SortFiles();
  SendMessageW(fontTree_.Hwnd(), WM_SETREDRAW, TRUE, 0);
  building_ = false;
  samplePane_.Refill();
  samplePane_.SetFilterText(filter_.text);
  InvalidateRect(fontTree_.Hwnd(), nullptr, TRUE);
}

void TForm_OneTimeInst::RefreshSubForm() {
  if (!sub_) return;
  sub_->ClearPanel();
  const FileTree::Node node = fontTree_.Selected();
  if (TFileDataItem* record = fontTree_.Record(node)) {
    if (!record->CoverageRead) ReadCoverage(*record, engine_.Records().Files);  // one file: no status window
    sub_->ShowFace(*record, static_cast<std::size_t>(FaceIndexOfNode(fontTree_, node)));
  }
}

LRESULT TForm_OneTimeInst::FontTreeNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW: {  // TntTreeView_FontNameChange
      if (building_) return 0;
      RefreshSubForm();
      samplePane_.SelectLineOf(fontTree_.Selected());
      const FileTree::Node node = fontTree_.Selected();
      if (const TFileDataItem* record = fontTree_.Record(node)) {
        auto it = entryOfRecord_.find(record);
        if (it != entryOfRecord_.end()) SelectEntry(it->second);
      }
      return 0;
    }
    case NM_CLICK: {  // TntTreeView_FontNameMouseDown, left button: the tick icon, then the status bar
      if (const HTREEITEM item = ui::TreeStateIconAtMessagePos(fontTree_.Hwnd()))
        ToggleNodeTick(fontTree_, fontTree_.NodeOfItem(item));
      UpdateStatus();
      return 0;
    }
    case NM_CUSTOMDRAW: return FontTreeCustomDraw(reinterpret_cast<NMTVCUSTOMDRAW&>(header));
  }
  return 0;
}

LRESULT TForm_OneTimeInst::FontTreeCustomDraw(NMTVCUSTOMDRAW& draw) {  // DrawFileNode
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || building_) return CDRF_DODEFAULT;
  const auto node = reinterpret_cast<FileTree::Node>(draw.nmcd.lItemlParam);
  const bool selected = (draw.nmcd.uItemState & CDIS_SELECTED) != 0 && GetFocus() == draw.nmcd.hdr.hwndFrom;
  if (const TFileDataItem* record = fontTree_.Record(node)) {
    const FileNodeLook look = LookOfFileNode(*record, engine_.TreeStyle);
    draw.clrText = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : look.color;
  } else if (fontTree_.StateImage(node) == kUndisplayableImage) {
    draw.clrText = GetSysColor(COLOR_GRAYTEXT);
  }
  return CDRF_DODEFAULT;
}

void TForm_OneTimeInst::FollowDpi() {
  ReloadStateImages(TntTreeView_Group->hwnd, groupImages_, Dpi());
  ReloadStateImages(fontTree_.Hwnd(), fontImages_, Dpi());
  underlineFont_.Reset();
  samplePane_.FollowDpi();
}

void TForm_OneTimeInst::UpdateStatus() {
  const FontViewSummary summary = SummarizeFontView(fontTree_);
  ui::SetStatusText(*StatusBar1, 0, ToWide(FileCountPanel(summary)));
  ui::SetStatusText(*StatusBar1, 1, ToWide(TickedPanel(summary)));
  const TFileDataItem* record = fontTree_.Record(fontTree_.Selected());
  // Ticked fonts the character filter hides still count, before the path, which may run out of sight.
  const int hidden = HiddenTickedCount(FontViewRecords(), filter_);
  std::u16string path = record ? record->Path : std::u16string();
  if (hidden > 0) path = HiddenTicksLabel(hidden) + (path.empty() ? u"" : u"　" + path);
  ui::SetStatusText(*StatusBar1, 2, ToWide(path));
}

void TForm_OneTimeInst::Action_installExecute() {
  // Every entry with a ticked font shown, once: one destination dialog and one run for all of them.
  std::vector<TFileData_local*> lists;
  for (FileTree::Node node = fontTree_.First(); node; node = fontTree_.NextSibling(node)) {
    const TFileDataItem* record = fontTree_.Record(node);
    if (!record || !record->Has(Selected)) continue;
    auto it = entryOfRecord_.find(record);
    if (it == entryOfRecord_.end() || !it->second->FontList) continue;
    if (std::find(lists.begin(), lists.end(), it->second->FontList.get()) == lists.end())
      lists.push_back(it->second->FontList.get());
  }
  InstallTicked(Hwnd(), fontTree_, lists, engine_, status_);
  UpdateStatus();
}

std::vector<std::u16string> TForm_OneTimeInst::TreeTextLines() const {
  return TreeExportLines(fontTree_.LevelsAndTexts());
}

void TForm_OneTimeInst::Action_ExportTreeTxtExecute() {
  if (fontTree_.Count() == 0) return;
  SaveLinesAs(Hwnd(), L"テキストファイル\0*.txt\0", L"txt", L"フォント一覧.txt", TreeTextLines(),
              engine_.Records().Files);
}

void TForm_OneTimeInst::Action_ExportFontCsvFileExecute() {
  if (!SelectedGroup()) return;
  SaveLinesAs(Hwnd(), L"csvファイル\0*.csv\0", L"csv", L"一時フォントのリスト.csv", FontViewCsvLines(fontTree_),
              engine_.Records().Files);
}

}  // namespace velura
