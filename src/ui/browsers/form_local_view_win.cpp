// Tform_local: the file tree's events and drawing, the sample list and its text, the information panel.
#include <windows.h>
#include <commctrl.h>

#include "resource_ids.h"
#include "platform/wide_win.h"
#include "ui/browsers/browser_panels_win.h"
#include "ui/browsers/file_ticks.h"
#include "ui/browsers/form_local_win.h"
#include "ui/browsers/sample_texts.h"
#include "records/record_rules.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"

namespace velura {

LRESULT Tform_local::FileTreeNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW:
      TntTreeView_FileNameChange();
      return 0;
    case NM_CUSTOMDRAW:
      return TntTreeView_FileNameCustomDrawItem(reinterpret_cast<NMTVCUSTOMDRAW&>(header));
    case NM_RCLICK: {  // TreeMouseDown, right button: the node under the mouse becomes the selected one
      TVHITTESTINFO hit{};
      GetCursorPos(&hit.pt);
      ScreenToClient(fileTree_.Hwnd(), &hit.pt);
      if (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(fileTree_.Hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))))
        SendMessageW(fileTree_.Hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
      SendMessageW(fileTree_.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(fileTree_.Hwnd()), GetMessagePos());
      return TRUE;
    }
  }
  return 0;
}

void Tform_local::TntTreeView_FileNameChange() {
  ClearFontInfo();
  const FileTree::Node node = fileTree_.Selected();
  const TFileDataItem* record = fileTree_.Record(node);
  if (!record || !infoDisplay_ || fileTree_.Count() == 0) return;
  ShowFontInfo(node);
  ui::SetStatusText(*StatusBar1, 0, ToWide(FileStateText(*record)));
  SelectListItemForNode();
  UpdateSummary();
}

void Tform_local::TntTreeView_FileNameMouseDown(int x, int y) {
  TVHITTESTINFO hit{};
  hit.pt = {x, y};
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(fileTree_.Hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (item && (hit.flags & TVHT_ONITEMSTATEICON)) ToggleNodeTick(fileTree_, fileTree_.NodeOfItem(item));
  UpdateSummary();
}

void Tform_local::TntTreeView_FileNameKeyPress(wchar_t key) {
  if (key == L' ') ToggleNodeTick(fileTree_, fileTree_.Selected());
  UpdateSummary();
}

LRESULT Tform_local::TntTreeView_FileNameCustomDrawItem(NMTVCUSTOMDRAW& draw) {
  if (!infoDisplay_ && draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;  // DrawFileNode
  return DrawFileNode(draw, fileTree_, engine_.TreeStyle, nodeFonts_, Dpi());
}

void Tform_local::ListBox_zel_SampleClick() {  // SelectNodeForListItem
  const int index = static_cast<int>(SendMessageW(TntListBox_zel_Sample.Hwnd(), LB_GETCURSEL, 0, 0));
  if (index < 0) return;
  if (const FileTree::Node node = ListBoxSampleList::NodeOfLine(TntListBox_zel_Sample.Hwnd(), index)) fileTree_.Select(node);
}

void Tform_local::ListBox_zel_SampleDblClick() {
  const int index = static_cast<int>(SendMessageW(TntListBox_zel_Sample.Hwnd(), LB_GETCURSEL, 0, 0));
  if (index >= 0) ToggleNodeTick(fileTree_, ListBoxSampleList::NodeOfLine(TntListBox_zel_Sample.Hwnd(), index));
  UpdateSummary();
}

void Tform_local::SelectListItemForNode() {
  const FileTree::Node node = fileTree_.Selected();
  if (!node) return;
  const HWND list = TntListBox_zel_Sample.Hwnd();
  const TFileDataItem* record = fileTree_.Record(node);
  int line = -1;
  if (record) {
    const auto face = static_cast<std::size_t>(FaceIndexOfNode(fileTree_, node));
    if (face < record->DisplayNames.size()) line = record->DisplayNames[face].ListIndex;
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

bool Tform_local::ListBox_zel_SampleDrawItem(const DRAWITEMSTRUCT& item) {
  if (fileTree_.Count() == 0) {
    if (SendMessageW(item.hwndItem, LB_GETCOUNT, 0, 0) > 0) PostMessageW(item.hwndItem, LB_RESETCONTENT, 0, 0);
    return true;
  }
  try {
    if (infoDisplay_) DrawSampleItem(item, fileTree_, sampleSize_, Dpi(), captionFont_);
  } catch (...) {
    // A line that cannot be drawn stays as far as it got.
  }
  return true;
}

void Tform_local::SetSampleSize(int size) {
  sampleSize_ = size;
  ApplySampleSize(*this, Panel_client, TntListBox_zel_Sample.Hwnd(), size, Dpi());
}

void Tform_local::FollowDpi() {
  captionFont_.Reset();
  ReloadStateImages(fileTree_.Hwnd(), stateImages_, Dpi());
  SetSampleSize(sampleSize_);  // the lines there keep the height they were measured with
}

std::wstring Tform_local::SampleComboText() const { return ui::WindowText(TntComboBox_SampleText->hwnd); }

void Tform_local::FillSampleList() {
  if (FillSampleListFromCombo(TntComboBox_SampleText->hwnd, fileTree_, samples_, infoDisplay_)) SelectListItemForNode();
}

void Tform_local::ComboBox_SampleTextClick() {
  FillSampleTextChoices(TntComboBox_SampleText->hwnd);
  FillSampleList();
}

void Tform_local::ComboBox_SampleTextKeyPress(wchar_t key) {
  if (key == L'\r' && CommitComboSampleText(TntComboBox_SampleText->hwnd)) ComboBox_SampleTextClick();
}

void Tform_local::ComboBox_SampleTextExit() {
  if (SendMessageW(TntComboBox_SampleText->hwnd, CB_GETCURSEL, 0, 0) < 0) ComboBox_SampleTextKeyPress(L'\r');
}

FontInfoControls Tform_local::InfoControls() {
  return {.fontName = TntMemo_FontName,
          .fontType = &Panel_FontType,
          .pitch = Label_Pich,
          .charset = Label_CharSet,
          .fullName = TntMemo_FullFontName,
          .version = TntMemo_Version,
          .fileSize = Label_FileSize,
          .fileName = TntMemo_FileName,
          .postScriptName = TntMemo_PstscriptName,
          .languageGrid = TntStringGrid_FullFontNames,
          .codePages = RichEdit_CodePages,
          .copyrightLabel = Label_Copyright,
          .copyright = TntRichEdit_Copyright};
}

void Tform_local::ClearFontInfo() { ClearFontInfoPanel(InfoControls()); }

void Tform_local::ShowFontInfo(FileTree::Node node) {
  if (const TFileDataItem* record = fileTree_.Record(node))
    ShowFontInfoPanel(InfoControls(), *record, static_cast<std::size_t>(FaceIndexOfNode(fileTree_, node)));
}

void Tform_local::SizeLanguageGrid() { velura::SizeLanguageGrid(TntStringGrid_FullFontNames); }

}  // namespace velura
