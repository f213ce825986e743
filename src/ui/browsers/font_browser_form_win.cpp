// FontBrowserForm: building the shared parts, the tree's and the sample list's events and drawing, the
// details panel, the search dialog and printing.
#include "ui/browsers/font_browser_form_win.h"

#include <commctrl.h>

#include "platform/resource_ids.h"
#include "platform/wide_win.h"
#include "platform/work_aside_win.h"
#include "records/coverage_loading.h"
#include "records/record_rules.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/browsers/edit_command_target.h"
#include "ui/browsers/form_my_print_dialog_win.h"
#include "records/text_export.h"
#include "ui/fontviews/wait_box_win.h"
#include "platform/clipboard_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/subclass_win.h"
#include "ui/framework/tree_view_win.h"

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
  samplePane_.Create(parent, fileTree_, comboWidth, [this] { return infoDisplay_; }, engine_.Loop());
  samplePane_.OnLineDoubleClick = [this](FileTree::Node node) {  // ListBox_zel_SampleDblClick
    ToggleNodeTick(fileTree_, node);
    UpdateSummary();
  };
  // ListBox_zel_SampleKeyPress: the tree's key press
  if (spaceTicks) samplePane_.OnSpace = [this] { TntTreeView_FileNameKeyPress(L' '); };
}

void FontBrowserForm::CreateFontNameBox(ui::Panel& parent) {
  Panel_FontName.Create(parent, Docked(Align::Top, 28));
  details_.CreateFontNameBox(Panel_FontName);
}

void FontBrowserForm::CreateBaseRows(int valueWidth) { details_.CreateDetailRows(Panel_BaseLabel, valueWidth); }

void FontBrowserForm::CreateCodePageBox(ui::Panel& parent, const ui::dock::Item& place) {
  Panel_CodePage.Create(parent, place);
  ui::AddLabel(Panel_CodePage, L"CodePage", Docked(Align::Top, 15));
  details_.CreateCodePages(Panel_CodePage, Docked(Align::Client, 0));
}

void FontBrowserForm::CreateCharFilter(ui::Panel& parent, int designWidth) {
  filterBar_.Create(parent, designWidth);
  filterBar_.OnChange = [this] { CharFilterChange(); };
}

// --- the character filter ---------------------------------------------------------------------------

void FontBrowserForm::CharFilterChange() {
  const CharFilter asked = filterBar_.Current();
  filter_ = ReadyFilter(asked, FilterRecords(), engine_.Loop(), status_, engine_.Records().Files);
  if (filter_ != asked) filterBar_.Reset();
  RefillFiltered();
}

void FontBrowserForm::PrepareFilterFor(const std::vector<TFileDataItem*>& records) {
  const CharFilter asked = filter_;
  filter_ = ReadyFilter(asked, records, engine_.Loop(), status_, engine_.Records().Files);
  if (filter_ != asked) filterBar_.Reset();
}

RecordShown FontBrowserForm::ShownByFilter() const {
  if (!filter_.Active()) return {};
  return [filter = filter_](const TFileDataItem& record) { return FilePasses(record, filter); };
}

// --- shared commands ----------------------------------------------------------------------------------

void FontBrowserForm::SetPopupMenus(const std::vector<ui::MenuEntry>& fileItems,
                                    const std::vector<ui::MenuEntry>& sampleItems, int copyrightSelectAll,
                                    int copyrightCopy) {
  SetContextMenu(fileTree_.Hwnd(), fileItems);
  SetContextMenu(samplePane_.ListHwnd(), sampleItems);
  SetContextMenu(*details_.TntRichEdit_Copyright, {ui::MenuEntry::Item(copyrightSelectAll), ui::MenuEntry::Item(copyrightCopy)});
  // The copyright box's pop-up acts on the focused control: a right click gives it the focus first.
  const HWND copyright = details_.TntRichEdit_Copyright->hwnd;
  ui::Subclass(copyright, [copyright](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_RBUTTONDOWN) SetFocus(copyright);
    return false;
  });
}

namespace {

// The focused control of this form, or null when the focus is in another window.
HWND FocusedChildOf(HWND form) {
  const HWND focus = GetFocus();
  return focus && IsChild(form, focus) ? focus : nullptr;
}

FocusKind KindOfFocus(HWND focus, HWND fileTree) {
  if (!focus) return FocusKind::Other;
  wchar_t name[64]{};
  GetClassNameW(focus, name, 64);
  return FocusKindOf(AsU16(std::wstring_view(name)), focus == fileTree);
}

}  // namespace

void FontBrowserForm::EditCopy1Execute() {
  const HWND focus = FocusedChildOf(Hwnd());
  switch (CopyTarget(KindOfFocus(focus, fileTree_.Hwnd()))) {
    case EditTarget::FocusedText: SendMessageW(focus, WM_COPY, 0, 0); return;
    case EditTarget::TreeNodeText:
      if (FileTree::Node node = fileTree_.Selected()) PutTextOnClipboard(Hwnd(), fileTree_.Text(node));
      return;
    case EditTarget::Copyright: SendMessageW(details_.TntRichEdit_Copyright->hwnd, WM_COPY, 0, 0); return;
    case EditTarget::Nothing: return;
  }
}

void FontBrowserForm::EditSelectAll1Execute() {
  const HWND focus = FocusedChildOf(Hwnd());
  switch (SelectAllTarget(KindOfFocus(focus, fileTree_.Hwnd()))) {
    case EditTarget::FocusedText: SendMessageW(focus, EM_SETSEL, 0, -1); return;
    case EditTarget::Copyright: SendMessageW(details_.TntRichEdit_Copyright->hwnd, EM_SETSEL, 0, -1); return;
    case EditTarget::TreeNodeText:
    case EditTarget::Nothing: return;
  }
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
  InvalidateRect(samplePane_.ListHwnd(), nullptr, TRUE);
}

void FontBrowserForm::PrintSamplesOf(const TFileData_base& list) {
  // Without a chosen text each font prints its own name.
  PrintSamples(Hwnd(), samplePane_.TextChosen() ? ToU16(samplePane_.ComboText()) : std::u16string(), list, status_);
}

// --- refilling -------------------------------------------------------------------------------------------

void FontBrowserForm::BeginTreeRefill() {
  SendMessageW(fileTree_.Hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(samplePane_.ListHwnd(), WM_SETREDRAW, FALSE, 0);
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
  FillSampleListFromTree(fileTree_, samplePane_.Lines(), engine_.Loop());
  wait.KeepPainted();
  engine_.Loop().MarkPhase("select first file");
  infoDisplay_ = true;
  if (FileTree::Node root = fileTree_.First()) {
    if (FileTree::Node first = fileTree_.FirstChild(root)) fileTree_.Select(first);
  }
  wait.KeepPainted();
  engine_.Loop().MarkPhase("redraw on");
  SendMessageW(samplePane_.ListHwnd(), WM_SETREDRAW, TRUE, 0);
  SendMessageW(fileTree_.Hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(samplePane_.ListHwnd(), nullptr, TRUE);
  InvalidateRect(fileTree_.Hwnd(), nullptr, TRUE);
  wait.KeepPainted();
}

// --- the tree -----------------------------------------------------------------------------------------

LRESULT FontBrowserForm::FileTreeNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW: TntTreeView_FileNameChange(); return 0;
    case NM_CUSTOMDRAW: return TntTreeView_FileNameCustomDrawItem(reinterpret_cast<NMTVCUSTOMDRAW&>(header));
    case NM_RCLICK: {  // TreeMouseDown, right button: the node under the mouse becomes the selected one
      if (const HTREEITEM item = ui::HitTestTreeAtMessagePos(fileTree_.Hwnd()).item)
        ui::SelectTreeItem(fileTree_.Hwnd(), item);
      SendMessageW(fileTree_.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(fileTree_.Hwnd()), GetMessagePos());
      return TRUE;
    }
  }
  return 0;
}

void FontBrowserForm::TntTreeView_FileNameMouseDown(int x, int y) {
  if (const HTREEITEM item = ui::TreeStateIconAt(fileTree_.Hwnd(), {x, y}))
    ToggleNodeTick(fileTree_, fileTree_.NodeOfItem(item));
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

// --- the samples and the details --------------------------------------------------------------------

void FontBrowserForm::FollowDpi() {
  ReloadStateImages(fileTree_.Hwnd(), stateImages_, Dpi());
  samplePane_.FollowDpi();
}

void FontBrowserForm::ShowFontInfo(FileTree::Node node) {
  if (TFileDataItem* record = fileTree_.Record(node)) {
    const LoopContext& loop = engine_.Loop();
    loop.MarkPhase("details: coverage");
    // One file, no status window; a big collection takes tenths of a second, in which a wait box standing
    // over a refill keeps painting.
    if (!record->CoverageRead)
      RunWhilePumping([&] { ReadCoverage(*record, engine_.Records().Files); }, [&] { loop.KeepResponsive(); });
    loop.MarkPhase("details: show");
    details_.Show(*record, static_cast<std::size_t>(FaceIndexOfNode(fileTree_, node)));
  }
}

}  // namespace velura
