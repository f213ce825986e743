#include "ui/browsers/form_installed_win.h"

#include <commctrl.h>

#include "resource_ids.h"
#include "platform/wide_win.h"
#include "platform/windows_version_win.h"
#include "records/load_probe.h"
#include "ui/browsers/file_ticks.h"
#include "ui/browsers/font_trees.h"
#include "ui/browsers/sample_texts.h"
#include "ui/browsers/wait_box_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/status_bar_font.h"
#include "ui/framework/subclass_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

}  // namespace

TForm_Installed::TForm_Installed(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow)
    : engine_(engine), settings_(settings), showMainWindow_(std::move(showMainWindow)) {
  CreateForm(L"インストール済みフォント", WS_OVERLAPPEDWINDOW, 0, 800, 565, nullptr, ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  CreateActions();
  CreateComponents();
  CreateMenus();
  // FormCreate
  created_ = true;
  infoDisplay_ = true;
  ClearFontInfo();
  ComboBox_SampleTextClick();  // FillSampleTextChoices
}

TForm_Installed::~TForm_Installed() {
  // The search dialog goes first; the tree and the samples point at the engine's records, which outlive
  // the window.
  CloseSearchDialog(searchDlg_);
  created_ = false;
  if (Hwnd()) ClearTree();
  Destroy();
}

void TForm_Installed::CreateComponents() {
  // StatusBar2 lies at the bottom edge, StatusBar1 above it.
  StatusBar2 = &ui::AddStatusBar(*this, {140, 180, 180, -1});  // the last panel (50 designed) runs to the edge
  StatusBar1 = &ui::AddStatusBar(*this, {120, 120, 180, 120, -1});
  // A status bar places itself at its parent's bottom unless told not to: the upper one keeps its dock.
  SetWindowLongW(StatusBar1->hwnd, GWL_STYLE,
                 (GetWindowLongW(StatusBar1->hwnd, GWL_STYLE) | CCS_NOPARENTALIGN | CCS_NORESIZE) & ~SBARS_SIZEGRIP);
  // AdjustStatusBarFont
  const int statusSize = ui::StatusBarFontSize(WindowsVersionClass(RunningWindowsVersion()), 9);
  for (ui::Control* bar : {StatusBar1, StatusBar2}) SetControlFont(*bar, ui::FontSpec{L"MS UI Gothic", 0, statusSize});

  Panel_left.Create(*this, Docked(Align::Left, 240, "Panel_left"));
  ui::AddSplitter(*this, Align::Left, 4, "Panel_left");
  Panel1.Create(*this, Docked(Align::Right, 300, "Panel1"));
  Splitter1 = &ui::AddSplitter(*this, Align::Right, 4, "Panel1");
  Panel_client.Create(*this, Docked(Align::Client, 0));

  stateImages_ = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, Dpi());  // ImageList1
  TntTreeView_FileName = &ui::AddTreeView(Panel_left, Docked(Align::Client, 0), stateImages_.Get(),
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

  Panel_combo.Create(Panel_client, Docked(Align::Top, 26));
  TntComboBox_SampleText =
      &ui::AddComboBox(Panel_combo, At(2, 2, 250, 200, true), CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
  WireSampleTextCombo(*TntComboBox_SampleText, [this] { ComboBox_SampleTextClick(); },
                      [this] { ComboBox_SampleTextExit(); }, [this] { ComboBox_SampleTextKeyPress(L'\r'); });
  ui::Control& list = TntListBox_zel_Sample.Create(Panel_client, Docked(Align::Client, 0),
                                                   LBS_OWNERDRAWVARIABLE | WS_VSCROLL | WS_BORDER);
  samples_.Attach(list.hwnd);
  TntListBox_zel_Sample.SetClickCancel(false);
  TntListBox_zel_Sample.OnClick = [this] { ListBox_zel_SampleClick(); };
  TntListBox_zel_Sample.OnDblClick = [this] { ListBox_zel_SampleDblClick(); };
  ui::Subclass(list.hwnd, [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CHAR || wParam != L' ') return false;
    TntTreeView_FileNameKeyPress(L' ');  // ListBox_zel_SampleKeyPress: the tree's key press
    result = 0;
    return true;
  });
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
  CreateDetails();
  Relayout();
}

void TForm_Installed::CreateDetails() {
  Panel_FontName.Create(Panel1, Docked(Align::Top, 28));
  Panel_FontType.Create(Panel_FontName, Docked(Align::Right, 80), ui::Bevel::Lowered);
  TntMemo_FontName = &ui::AddEdit(Panel_FontName, L"", Docked(Align::Client, 0), ES_READONLY | ES_AUTOHSCROLL);
  SetControlFont(*TntMemo_FontName, ui::FontSpec{L"MS UI Gothic", 19, 0});

  Panel_BaseLabel.Create(Panel1, Docked(Align::Top, 186));
  const wchar_t* captions[] = {L"Pich",     L"CharSet",  L"FullFontName", L"Version",
                               L"FileSize", L"FileName", L"PstscriptName"};
  ui::Control** boxes[] = {&Label_Pich,     &Label_CharSet,    &TntMemo_FullFontName, &TntMemo_Version,
                           &Label_FileSize, &TntMemo_FileName, &TntMemo_PstscriptName};
  for (int row = 0; row < 7; ++row) {
    const int top = 4 + row * 26;
    ui::AddLabel(Panel_BaseLabel, captions[row], At(4, top + 3, 82, 15));
    const bool isLabel = row == 0 || row == 1 || row == 4;
    *boxes[row] = isLabel
                      ? &ui::AddLabel(Panel_BaseLabel, L"", At(90, top + 3, 206, 15, true))
                      : &ui::AddEdit(Panel_BaseLabel, L"", At(90, top, 206, 21, true), ES_READONLY | ES_AUTOHSCROLL);
    if (!isLabel)
      SetWindowLongW((*boxes[row])->hwnd, GWL_EXSTYLE,
                     GetWindowLongW((*boxes[row])->hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
  }

  Panel_Copyright.Create(Panel1, Docked(Align::Bottom, 100));
  Label_Copyright = &ui::AddLabel(Panel_Copyright, L"Copyright", Docked(Align::Top, 15));
  TntRichEdit_Copyright = &ui::AddRichEdit(Panel_Copyright, Docked(Align::Client, 0));
  Panel_CodePage.Create(Panel1, Docked(Align::Bottom, 80));
  ui::AddLabel(Panel_CodePage, L"CodePage", Docked(Align::Top, 15));
  RichEdit_CodePages = &ui::AddRichEdit(Panel_CodePage, Docked(Align::Client, 0));

  TntStringGrid_FullFontNames = &ui::AddListView(Panel1, Docked(Align::Client, 0));
  const wchar_t* headers[] = {L"ID", L"Language", L"FullFontName", L"FontFamilyName"};
  for (int column = 0; column < 4; ++column) {
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = const_cast<wchar_t*>(headers[column]);
    c.cx = 60;
    SendMessageW(TntStringGrid_FullFontNames->hwnd, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
  }
  TntStringGrid_FullFontNames->onPlaced = [this](const ui::dock::Rect&) {
    SizeLanguageGrid();
  };  // Panel_center_topResize
}

void TForm_Installed::Open() {
  Show(SW_SHOWNORMAL);
  FormShow();
}

void TForm_Installed::FormShow() { Reload(); }

void TForm_Installed::FormClose() {
  // The launcher stores the window's place ("InstalledView") as it closes.
  CloseSearchDialog(searchDlg_);
}

void TForm_Installed::OnClose() {
  FormClose();
  Hide();
}

void TForm_Installed::ClearTree() {
  infoDisplay_ = false;
  fileTree_.Clear();
  samples_.Clear();
  infoDisplay_ = true;
}

void TForm_Installed::Reload() {
  MarkLoadPhase("wait box");
  WaitBox wait(Hwnd(), WaitBox::Place::OverOwner);
  SendMessageW(fileTree_.Hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(TntListBox_zel_Sample.Hwnd(), WM_SETREDRAW, FALSE, 0);
  MarkLoadPhase("clear");
  ClearFontInfo();
  SetSampleSize(SampleFontSizeSetting(settings_.ReadSampleSizes()));
  ClearTree();
  infoDisplay_ = false;  // the tree's change events wait until the tree is complete
  TFileData_installed& installed = engine_.Installed();
  for (const auto& record : installed.Items) record->Set(Selected, false);  // ticks do not outlive a reload
  wait.KeepPainted();
  installed.UpdateNames();
  wait.KeepPainted();
  MarkLoadPhase("tree fill");
  BuildFolderTree(fileTree_, engine_.RegData().FontFolders(), installed, engine_.Records().Folding);
  wait.KeepPainted();
  MarkLoadPhase("tree expand");
  fileTree_.ExpandAll();
  wait.KeepPainted();
  MarkLoadPhase("tree sort");
  fileTree_.SortFiles();
  wait.KeepPainted();
  MarkLoadPhase("sample list");
  FillSampleListFromTree(fileTree_, samples_);
  wait.KeepPainted();
  MarkLoadPhase("state images");
  RefreshStateImages(fileTree_);
  wait.KeepPainted();
  MarkLoadPhase("select first file");
  infoDisplay_ = true;
  if (FileTree::Node root = fileTree_.First()) {
    if (FileTree::Node first = fileTree_.FirstChild(root)) fileTree_.Select(first);
  }
  SendMessageW(TntListBox_zel_Sample.Hwnd(), WM_SETREDRAW, TRUE, 0);
  SendMessageW(fileTree_.Hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(TntListBox_zel_Sample.Hwnd(), nullptr, TRUE);
  InvalidateRect(fileTree_.Hwnd(), nullptr, TRUE);
  wait.KeepPainted();
  MarkLoadPhase("summary");
  SizeLanguageGrid();
  UpdateSummary();
  MarkLoadPhase("loaded");
}

}  // namespace velura
