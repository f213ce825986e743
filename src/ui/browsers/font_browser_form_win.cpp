// FontBrowserForm: building the shared parts, the tree's and the sample list's events and drawing, the
// details panel, the search dialog and printing.
#include "ui/browsers/font_browser_form_win.h"

#include <commctrl.h>

#include "platform/resource_ids.h"
#include "platform/wide_win.h"
#include "records/record_rules.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/browsers/form_my_print_dialog_win.h"
#include "records/text_export.h"
#include "ui/fontviews/sample_texts.h"
#include "ui/fontviews/wait_box_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/subclass_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

}  // namespace

FontBrowserForm::FontBrowserForm(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow)
    : engine_(engine), settings_(settings), showMainWindow_(std::move(showMainWindow)), status_(engine.Loop()) {}

LRESULT FontBrowserForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DPICHANGED) {
    const LRESULT result = Form::OnMessage(message, wParam, lParam);
    FollowDpi();
    return result;
  }
  return Form::OnMessage(message, wParam, lParam);
}

// --- building -----------------------------------------------------------------------------------------

void FontBrowserForm::CreateFileTree(ui::Panel& parent) {
  stateImages_ = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, Dpi());  // ImageList1
  TntTreeView_FileName = &ui::AddTreeView(parent, Docked(Align::Client, 0), stateImages_.Get(),
                                          TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS);
  fileTree_.Attach(TntTreeView_FileName->hwnd);
  TntTreeView_FileName->onNotify = [this](NMHDR& header) { return FileTreeNotify(header); };
  ui::Subclass(TntTreeView_FileName->hwnd, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_LBUTTONDOWN)
      TntTreeView_FileNameMouseDown(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    if (message == WM_CHAR && wParam == L' ') {
      TntTreeView_FileNameKeyPress(L' ');
      result = 0;
      return true;  // swallowed: the tree view would search for a blank otherwise
    }
    return false;
  });
}

void FontBrowserForm::CreateSampleList(ui::Panel& parent, int comboWidth, bool spaceTicks) {
  samplePanel_ = &parent;
  Panel_combo.Create(parent, Docked(Align::Top, 26));
  TntComboBox_SampleText =
      &ui::AddComboBox(Panel_combo, At(2, 2, comboWidth, 200, true), CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
  WireSampleTextCombo(*TntComboBox_SampleText, [this] { ComboBox_SampleTextClick(); },
                      [this] { ComboBox_SampleTextExit(); }, [this] { ComboBox_SampleTextKeyPress(L'\r'); });
  ui::Control& list = TntListBox_zel_Sample.Create(parent, Docked(Align::Client, 0),
                                                   LBS_OWNERDRAWVARIABLE | WS_VSCROLL | WS_BORDER);
  samples_.Attach(list.hwnd);
  TntListBox_zel_Sample.SetClickCancel(false);
  TntListBox_zel_Sample.OnClick = [this] { ListBox_zel_SampleClick(); };
  TntListBox_zel_Sample.OnDblClick = [this] { ListBox_zel_SampleDblClick(); };
  if (spaceTicks) {
    ui::Subclass(list.hwnd, [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
      if (message != WM_CHAR || wParam != L' ') return false;
      TntTreeView_FileNameKeyPress(L' ');  // ListBox_zel_SampleKeyPress: the tree's key press
      result = 0;
      return true;
    });
  }
  list.onParentMessage = [this](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MEASUREITEM) {
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
          static_cast<UINT>(SampleItemHeight(sampleSize_, Dpi()));
      result = TRUE;
      return true;
    }
    if (message == WM_DRAWITEM) {
      result = ListBox_zel_SampleDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
      return true;
    }
    return false;
  };
}

void FontBrowserForm::CreateFontNameBox(ui::Panel& parent) {
  Panel_FontName.Create(parent, Docked(Align::Top, 28));
  TntMemo_FontName = AddFontNameBox(Panel_FontName, Panel_FontType);
}

void FontBrowserForm::CreateBaseRows(int valueWidth) {
  AddDetailRows(Panel_BaseLabel, valueWidth,
                {&Label_Pich, &Label_CharSet, &TntMemo_FullFontName, &TntMemo_Version, &Label_FileSize,
                 &TntMemo_FileName, &TntMemo_PstscriptName});
}

void FontBrowserForm::CreateCodePageBox(ui::Panel& parent, const ui::dock::Item& place) {
  Panel_CodePage.Create(parent, place);
  ui::AddLabel(Panel_CodePage, L"CodePage", Docked(Align::Top, 15));
  RichEdit_CodePages = &ui::AddRichEdit(Panel_CodePage, Docked(Align::Client, 0));
}

void FontBrowserForm::CreateCopyrightBox(ui::Panel& panel) {
  Label_Copyright = &ui::AddLabel(panel, L"Copyright", Docked(Align::Top, 15));
  TntRichEdit_Copyright = &ui::AddRichEdit(panel, Docked(Align::Client, 0));
}

void FontBrowserForm::CreateLanguageGrid(ui::Panel& parent) {
  TntStringGrid_FullFontNames = AddLanguageGrid(parent, Docked(Align::Client, 0));
}

// --- shared commands ----------------------------------------------------------------------------------

void FontBrowserForm::SetPopupMenus(const std::vector<ui::MenuEntry>& fileItems,
                                    const std::vector<ui::MenuEntry>& sampleItems, int copyrightSelectAll,
                                    int copyrightCopy) {
  SetContextMenu(fileTree_.Hwnd(), fileItems);
  SetContextMenu(TntListBox_zel_Sample.Hwnd(), sampleItems);
  SetContextMenu(*TntRichEdit_Copyright, {ui::MenuEntry::Item(copyrightSelectAll), ui::MenuEntry::Item(copyrightCopy)});
}

std::vector<std::u16string> FontBrowserForm::TreeTextLines() const {
  return TreeExportLines(fileTree_.LevelsAndTexts());
}

void FontBrowserForm::OpenSearchWindow(const wchar_t* caption) {
  RECT frame{}, tree{};
  GetWindowRect(Hwnd(), &frame);
  GetWindowRect(fileTree_.Hwnd(), &tree);
  ShowSearchDialog(searchDlg_, frame.top + ui::dock::Scale(30, Dpi()), frame.left + (tree.right - tree.left), caption,
                   *this, Hwnd(), settings_);
}

void FontBrowserForm::RedrawFoundMarks() {
  InvalidateRect(fileTree_.Hwnd(), nullptr, TRUE);
  InvalidateRect(TntListBox_zel_Sample.Hwnd(), nullptr, TRUE);
}

void FontBrowserForm::PrintSamplesOf(const TFileData_base& list) {
  // Index 0 of the sample combo means "each font its own name".
  const bool chosen = SendMessageW(TntComboBox_SampleText->hwnd, CB_GETCURSEL, 0, 0) > 0;
  PrintSamples(Hwnd(), chosen ? ToU16(SampleComboText()) : std::u16string(), list, status_);
}

// --- refilling -------------------------------------------------------------------------------------------

void FontBrowserForm::BeginTreeRefill() {
  SendMessageW(fileTree_.Hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(TntListBox_zel_Sample.Hwnd(), WM_SETREDRAW, FALSE, 0);
  ClearFontInfo();
}

void FontBrowserForm::EndTreeRefill(WaitBox& wait) {
  wait.KeepPainted();
  engine_.Loop().MarkPhase("tree expand");
  fileTree_.ExpandAll();
  wait.KeepPainted();
  engine_.Loop().MarkPhase("tree sort");
  fileTree_.SortFiles();
  wait.KeepPainted();
  engine_.Loop().MarkPhase("state images");
  RefreshStateImages(fileTree_);
  wait.KeepPainted();
  engine_.Loop().MarkPhase("sample list");
  FillSampleListFromTree(fileTree_, samples_, engine_.Loop());
  wait.KeepPainted();
  engine_.Loop().MarkPhase("select first file");
  infoDisplay_ = true;
  if (FileTree::Node root = fileTree_.First()) {
    if (FileTree::Node first = fileTree_.FirstChild(root)) fileTree_.Select(first);
  }
  SendMessageW(TntListBox_zel_Sample.Hwnd(), WM_SETREDRAW, TRUE, 0);
  SendMessageW(fileTree_.Hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(TntListBox_zel_Sample.Hwnd(), nullptr, TRUE);
  InvalidateRect(fileTree_.Hwnd(), nullptr, TRUE);
  wait.KeepPainted();
}

// --- the tree -----------------------------------------------------------------------------------------

LRESULT FontBrowserForm::FileTreeNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW: TntTreeView_FileNameChange(); return 0;
    case NM_CUSTOMDRAW: return TntTreeView_FileNameCustomDrawItem(reinterpret_cast<NMTVCUSTOMDRAW&>(header));
    case NM_RCLICK: {  // TreeMouseDown, right button: the node under the mouse becomes the selected one
      TVHITTESTINFO hit{};
      GetCursorPos(&hit.pt);
      ScreenToClient(fileTree_.Hwnd(), &hit.pt);
      if (auto item = reinterpret_cast<HTREEITEM>(
              SendMessageW(fileTree_.Hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))))
        SendMessageW(fileTree_.Hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
      SendMessageW(fileTree_.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(fileTree_.Hwnd()), GetMessagePos());
      return TRUE;
    }
  }
  return 0;
}

void FontBrowserForm::TntTreeView_FileNameMouseDown(int x, int y) {
  TVHITTESTINFO hit{};
  hit.pt = {x, y};
  auto item =
      reinterpret_cast<HTREEITEM>(SendMessageW(fileTree_.Hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (item && (hit.flags & TVHT_ONITEMSTATEICON)) ToggleNodeTick(fileTree_, fileTree_.NodeOfItem(item));
  UpdateSummary();
}

void FontBrowserForm::TntTreeView_FileNameKeyPress(wchar_t key) {
  if (key == L' ') ToggleNodeTick(fileTree_, fileTree_.Selected());
  UpdateSummary();
}

LRESULT FontBrowserForm::TntTreeView_FileNameCustomDrawItem(NMTVCUSTOMDRAW& draw) {
  if (!infoDisplay_ && draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;  // DrawFileNode
  return DrawFileNode(draw, fileTree_, engine_.TreeStyle, nodeFonts_, Dpi());
}

// --- the samples --------------------------------------------------------------------------------------

void FontBrowserForm::ListBox_zel_SampleClick() {  // SelectNodeForListItem
  const int index = static_cast<int>(SendMessageW(TntListBox_zel_Sample.Hwnd(), LB_GETCURSEL, 0, 0));
  if (index < 0) return;
  if (const FileTree::Node node = ListBoxSampleList::NodeOfLine(TntListBox_zel_Sample.Hwnd(), index))
    fileTree_.Select(node);
}

void FontBrowserForm::ListBox_zel_SampleDblClick() {
  const int index = static_cast<int>(SendMessageW(TntListBox_zel_Sample.Hwnd(), LB_GETCURSEL, 0, 0));
  if (index >= 0) ToggleNodeTick(fileTree_, ListBoxSampleList::NodeOfLine(TntListBox_zel_Sample.Hwnd(), index));
  UpdateSummary();
}

void FontBrowserForm::SelectListItemForNode() {
  const FileTree::Node node = fileTree_.Selected();
  if (!node) return;
  const TFileDataItem* record = fileTree_.Record(node);
  int line = -1;
  if (record) {
    const auto face = static_cast<std::size_t>(FaceIndexOfNode(fileTree_, node));
    if (face < record->DisplayNames.size()) line = record->DisplayNames[face].ListIndex;
  }
  SendMessageW(TntListBox_zel_Sample.Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

bool FontBrowserForm::ListBox_zel_SampleDrawItem(const DRAWITEMSTRUCT& item) {
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

void FontBrowserForm::SetSampleSize(int size) {
  sampleSize_ = size;
  ApplySampleSize(*this, *samplePanel_, TntListBox_zel_Sample.Hwnd(), size, Dpi());
}

void FontBrowserForm::FollowDpi() {
  captionFont_.Reset();
  ReloadStateImages(fileTree_.Hwnd(), stateImages_, Dpi());
  SetSampleSize(sampleSize_);  // the lines there keep the height they were measured with
}

std::wstring FontBrowserForm::SampleComboText() const { return ui::WindowText(TntComboBox_SampleText->hwnd); }

void FontBrowserForm::FillSampleList() {
  if (FillSampleListFromCombo(TntComboBox_SampleText->hwnd, fileTree_, samples_, infoDisplay_)) SelectListItemForNode();
}

void FontBrowserForm::ComboBox_SampleTextClick() {
  FillSampleTextChoices(TntComboBox_SampleText->hwnd);
  FillSampleList();
}

void FontBrowserForm::ComboBox_SampleTextKeyPress(wchar_t key) {
  if (key == L'\r' && CommitComboSampleText(TntComboBox_SampleText->hwnd)) ComboBox_SampleTextClick();
}

void FontBrowserForm::ComboBox_SampleTextExit() {
  if (SendMessageW(TntComboBox_SampleText->hwnd, CB_GETCURSEL, 0, 0) < 0) ComboBox_SampleTextKeyPress(L'\r');
}

// --- the details --------------------------------------------------------------------------------------

FontInfoControls FontBrowserForm::InfoControls() { return NamedInfoControls(*this); }

void FontBrowserForm::ClearFontInfo() { ClearFontInfoPanel(InfoControls()); }

void FontBrowserForm::ShowFontInfo(FileTree::Node node) {
  if (const TFileDataItem* record = fileTree_.Record(node))
    ShowFontInfoPanel(InfoControls(), *record, static_cast<std::size_t>(FaceIndexOfNode(fileTree_, node)));
}

void FontBrowserForm::SizeLanguageGrid() { velura::SizeLanguageGrid(TntStringGrid_FullFontNames); }

}  // namespace velura
