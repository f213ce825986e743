#include "ui/browsers/form_installed_win.h"

#include <commctrl.h>

#include "platform/resource_ids.h"
#include "platform/wide_win.h"
#include "platform/windows_version_win.h"
#include "ui/fontviews/elevation_hint_win.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/font_trees.h"
#include "ui/fontviews/sample_texts.h"
#include "ui/fontviews/wait_box_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/status_bar_font_win.h"
#include "ui/framework/subclass_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

}  // namespace

TForm_Installed::TForm_Installed(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow,
                                 std::function<void()> restartElevated)
    : FontBrowserForm(engine, settings, std::move(showMainWindow)) {
  restartElevated_ = std::move(restartElevated);
  CreateForm(L"インストール済みフォント", WS_OVERLAPPEDWINDOW, 0, 800, 565, nullptr, ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  CreateActions();
  CreateComponents();
  CreateMenus();
  // FormCreate
  created_ = true;
  infoDisplay_ = true;
  ClearFontInfo();
  samplePane_.FillChoices();  // ComboBox_SampleTextClick
  samplePane_.ApplyChoice();
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
  // StatusBar2 lies at the bottom edge, StatusBar1 above it; the hint bar, when there is one, below both.
  if (offersRestart_) ElevationHintBar = &AddElevationHintBar(*this, AdminOnlyCommands::Uninstall, restartElevated_);
  StatusBar2 = &ui::AddStatusBar(*this, {140, 180, 180, -1});  // the last panel (50 designed) runs to the edge
  if (ElevationHintBar) StackAboveHintBar(*StatusBar2);
  StatusBar1 = &ui::AddStatusBar(*this, {120, 120, 180, 120, -1});
  // A status bar places itself at its parent's bottom unless told not to: the upper one keeps its dock.
  SetWindowLongW(StatusBar1->hwnd, GWL_STYLE,
                 (GetWindowLongW(StatusBar1->hwnd, GWL_STYLE) | CCS_NOPARENTALIGN | CCS_NORESIZE) & ~SBARS_SIZEGRIP);
  // AdjustStatusBarFont
  for (ui::Control* bar : {StatusBar1, StatusBar2}) ui::SetStatusBarFont(*bar);

  Panel_left.Create(*this, Docked(Align::Left, 240, "Panel_left"));
  ui::AddSplitter(*this, Align::Left, 4, "Panel_left");
  Panel1.Create(*this, Docked(Align::Right, 300, "Panel1"));
  Splitter1 = &ui::AddSplitter(*this, Align::Right, 4, "Panel1");
  Panel_client.Create(*this, Docked(Align::Client, 0));

  CreateCharFilter(Panel_left, 240);
  CreateFileTree(Panel_left);
  CreateSampleList(Panel_client, 250, true);
  CreateDetails();
  Relayout();
}

void TForm_Installed::CreateDetails() {
  CreateFontNameBox(Panel1);
  Panel_BaseLabel.Create(Panel1, Docked(Align::Top, 186));
  CreateBaseRows(206);
  Panel_Copyright.Create(Panel1, Docked(Align::Bottom, 76));
  CreateCopyrightBox(Panel_Copyright);
  details_.CreateCharSets(Panel1, Docked(Align::Bottom, 84));
  CreateCodePageBox(Panel1, Docked(Align::Bottom, 64));
  CreateLanguageGrid(Panel1);
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

void TForm_Installed::TntTreeView_FileNameChange() {
  if (!infoDisplay_) return;
  ClearFontInfo();
  const FileTree::Node node = fileTree_.Selected();
  if (created_ && fileTree_.Count() > 0 && fileTree_.Record(node)) ShowFontInfo(node);
  SelectListItemForNode();
  UpdateSummary();
}

void TForm_Installed::ClearTree() {
  infoDisplay_ = false;
  fileTree_.Clear();
  samplePane_.Clear();
  infoDisplay_ = true;
}

std::vector<TFileDataItem*> TForm_Installed::FilterRecords() {
  std::vector<TFileDataItem*> records;
  for (const auto& record : engine_.Installed().Items) records.push_back(record.get());
  return records;
}

void TForm_Installed::RefillFiltered() {
  WaitBox wait(Hwnd(), WaitBox::Place::OverOwner, engine_.Loop());
  BeginTreeRefill();
  ClearTree();
  infoDisplay_ = false;
  FillTreeAndSamples(wait);
}

void TForm_Installed::FillTreeAndSamples(WaitBox& wait) {
  engine_.Loop().MarkPhase("tree fill");
  BuildFolderTree(fileTree_, engine_.RegData().FontFolders(), engine_.UserFontsFolder, engine_.Installed(),
                  engine_.Records().Folding, engine_.Loop(), ShownByFilter());
  EndTreeRefill(wait);
  samplePane_.SetFilterText(filter_.text);
  engine_.Loop().MarkPhase("summary");
  SizeLanguageGrid();
  UpdateSummary();
}

void TForm_Installed::Reload() {
  engine_.Loop().MarkPhase("wait box");
  WaitBox wait(Hwnd(), WaitBox::Place::OverOwner, engine_.Loop());
  engine_.Loop().MarkPhase("clear");
  BeginTreeRefill();
  SetSampleSize(SampleFontSizeSetting(settings_.ReadSampleSizes()));
  ClearTree();
  infoDisplay_ = false;  // the tree's change events wait until the tree is complete
  TFileData_installed& installed = engine_.Installed();
  for (const auto& record : installed.Items) record->Set(Selected, false);  // ticks do not outlive a reload
  wait.KeepPainted();
  installed.UpdateNames();
  wait.KeepPainted();
  if (filter_.Active()) PrepareFilterFor(FilterRecords());
  FillTreeAndSamples(wait);
  engine_.Loop().MarkPhase("loaded");
}

}  // namespace velura
