#include "ui/browsers/form_local_win.h"

#include <commctrl.h>

#include "platform/resource_ids.h"
#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "archive/archiver_host.h"
#include "records/folder_loading.h"
#include "records/long_operations.h"
#include "ui/framework/status_bar_font_win.h"
#include "ui/browsers/archive_file_extractor.h"
#include "ui/browsers/archive_opening.h"
#include "ui/fontviews/elevation_hint_win.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/sample_texts.h"
#include "ui/fontviews/wait_box_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/subclass_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

// The archive box as the folder loading fills it.
class ComboArchiveBox final : public ArchiveBox {
 public:
  explicit ComboArchiveBox(HWND combo) : combo_(combo) {}
  void Clear() override { SendMessageW(combo_, CB_RESETCONTENT, 0, 0); }
  void Add(const std::u16string& name) override {
    SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(name)));
  }
  void SetEnabled(bool enabled) override { EnableWindow(combo_, enabled); }

 private:
  HWND combo_;
};

}  // namespace

Tform_local::Tform_local(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow,
                         std::function<void()> restartElevated)
    : FontBrowserForm(engine, settings, std::move(showMainWindow)) {
  restartElevated_ = std::move(restartElevated);
  list_ = std::make_unique<TFileData_local>(engine_.Records());  // the action predicates read it from the start
  CreateForm(L"未インストールフォント", WS_OVERLAPPEDWINDOW, 0, 792, 519, nullptr, ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  CreateActions();
  CreateComponents();
  CreateMenus();
  // FormCreate
  infoDisplay_ = true;
  ClearFontInfo();
  samplePane_.FillChoices();  // ComboBox_SampleTextClick
  samplePane_.ApplyChoice();
  previousPath_ = settings_.ReadStartFolder();
  if (!previousPath_.empty()) settings_.RememberPreviousFolder(previousPath_);
  FixWorkFolder();
}

Tform_local::~Tform_local() {
  // FormDestroy: the search dialog and then the records go before the tree that points at them.
  CloseSearchDialog(searchDlg_);
  infoDisplay_ = false;
  if (Hwnd()) {
    fileTree_.Clear();
    samplePane_.Clear();
  }
  list_.reset();
  if (!workFolder_.empty()) engine_.EmptyAndRemoveFolder(ToU16(workFolder_));
  Destroy();
}

void Tform_local::CreateComponents() {
  // The last panel (170 designed) runs to the edge, so its text fits. A user who installs for themselves
  // alone is told so in a fourth panel. An administrator who cannot install without elevation is told so
  // in a bar of its own below.
  perUserHint_ = engine_.InstallsPerUser();
  if (offersRestart_) ElevationHintBar = &AddElevationHintBar(*this, AdminOnlyCommands::Install, restartElevated_);
  StatusBar1 = perUserHint_ ? &ui::AddStatusBar(*this, {200, 180, 260, -1}) : &ui::AddStatusBar(*this, {200, 180, -1});
  if (ElevationHintBar) StackAboveHintBar(*StatusBar1);
  // AdjustStatusBarFont
  ui::SetStatusBarFont(*StatusBar1);

  Panel_left.Create(*this, Docked(Align::Left, 250, "Panel_left"));
  ui::AddSplitter(*this, Align::Left, 4, "Panel_left");  // Splitter1V
  Panel_client.Create(*this, Docked(Align::Client, 0));

  Panel_LeftTop.Create(Panel_left, Docked(Align::Top, 217, "Panel_LeftTop"));
  ShellTreeView1.Create(Panel_LeftTop, Docked(Align::Client, 0));
  ShellTreeView1.OnChange = [this] { ShellTreeView1Change(); };
  ui::AddSplitter(Panel_left, Align::Top, 4, "Panel_LeftTop");  // Splitter1
  Panel1.Create(Panel_left, Docked(Align::Top, 26));
  TntComboBox_ArchiveNames = &ui::AddComboBox(Panel1, At(2, 2, 246, 200, true));
  EnableWindow(TntComboBox_ArchiveNames->hwnd, FALSE);
  TntComboBox_ArchiveNames->onCommand = [this](int code) {
    if (code == CBN_SELCHANGE) TntComboBox_ArchiveNamesChange();
  };
  CreateCharFilter(Panel_left, 250);
  CreateFileTree(Panel_left);

  Panel_top.Create(Panel_client, Docked(Align::Top, 217, "Panel_top"));
  Splitter1H = &ui::AddSplitter(Panel_client, Align::Top, 4, "Panel_top");
  CreateSampleList(Panel_client, 534, false);
  CreateDetails();
  Relayout();
}

void Tform_local::CreateDetails() {
  CreateFontNameBox(Panel_top);
  Panel_right.Create(Panel_top, Docked(Align::Right, 180, "Panel_right"));
  Splitter2V = &ui::AddSplitter(Panel_top, Align::Right, 4, "Panel_right");
  CreateCodePageBox(Panel_right, Docked(Align::Top, 62));
  details_.CreateCharSets(Panel_right, Docked(Align::Top, 76));
  Panel_UnicodeRange.Create(Panel_right, Docked(Align::Client, 0));
  CreateCopyrightBox(Panel_UnicodeRange);
  Panel_BaseLabel.Create(Panel_top, Docked(Align::Left, 262, "Panel_BaseLabel"));
  ui::AddSplitter(Panel_top, Align::Left, 4, "Panel_BaseLabel");  // Splitter4V
  CreateBaseRows(168);
  CreateLanguageGrid(Panel_top);
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

void Tform_local::FixWorkFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const FolderSetting user = settings_.ReadTempFolder();
  const DWORD attributes = user.Path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(AsWide(user.Path));
  bool missing = false;
  workFolder_ = ToWide(WorkFolderFor(user.Use, user.Path,
                                     attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY),
                                     ToU16(temp), missing));
  if (missing)
    ShowMessage(u"ユーザー指定の一時作業フォルダがありません\r\nWindows既定の一時作業フォルダを使用します", u"VELURA",
                MessageIcon::Warning);
}

void Tform_local::Open() {
  FormShow();
  Show(SW_SHOWNORMAL);
}

void Tform_local::FormShow() {
  SetSampleSize(SampleFontSizeSetting(settings_.ReadSampleSizes()));
  ShellTreeView1.ClearSelection();
  SizeLanguageGrid();
  if (!previousPath_.empty()) OpenFolder(ToWide(previousPath_));
}

void Tform_local::FormClose() {
  ReleaseList();  // the launcher stores the window's place as it closes
  CloseSearchDialog(searchDlg_);
  if (showMainWindow_) showMainWindow_();
}

void Tform_local::OnClose() {
  FormClose();
  Hide();
}

bool Tform_local::OpenFolder(const std::wstring& path) {
  if (ShellTreeView1.Path() == path) {
    ShellTreeView1Change();  // selecting the selected folder again sends no change
    return true;
  }
  return ShellTreeView1.SelectPath(path);
}

void Tform_local::ReleaseList() {
  // The tree and the samples point at the records: empty them before the records go.
  infoDisplay_ = false;
  fileTree_.Clear();
  samplePane_.Clear();
  ReleaseAll(*list_, releaseBar_);
  infoDisplay_ = true;
  UpdateSummary();
}

void Tform_local::ShellTreeView1Change() {
  ReleaseList();
  const std::wstring path = ShellTreeView1.Path();
  if (path.empty()) return;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (OpensAsArchive(ToU16(path), attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))) {
    SendMessageW(TntComboBox_ArchiveNames->hwnd, CB_RESETCONTENT, 0, 0);
    OpenArchiveAt(ToU16(path));
    return;
  }
  LoadFolder(ToU16(path));
}

void Tform_local::TntComboBox_ArchiveNamesChange() {
  const HWND box = TntComboBox_ArchiveNames->hwnd;
  const LRESULT index = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (index < 0) return;
  std::wstring name(static_cast<std::size_t>(SendMessageW(box, CB_GETLBTEXTLEN, index, 0)), L'\0');
  SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data()));
  OpenArchiveAt(ToU16(ShellTreeView1.Path() + L"\\" + name));
}

void Tform_local::OpenArchiveAt(const std::u16string& archive) {
  ArchiveFileExtractor extractor(Hwnd(), DefaultArchiverHost());
  const std::u16string extracted = OpenArchive(archive, ToU16(workFolder_), extractor, engine_,
                                               engine_.Records().Files, [this] { ReleaseList(); });
  if (!extracted.empty()) LoadFolder(ToU16(ShellTreeView1.Path()), extracted);
}

std::vector<TFileDataItem*> Tform_local::FilterRecords() {
  std::vector<TFileDataItem*> records;
  for (const auto& record : list_->Items) records.push_back(record.get());
  return records;
}

void Tform_local::RefillFiltered() {
  engine_.Loop().MarkPhase("wait box");
  WaitBox wait(Hwnd(), WaitBox::Place::OverScreen, engine_.Loop());
  BeginTreeRefill();
  infoDisplay_ = false;  // the tree's change events wait until the tree is complete
  fileTree_.Clear();
  samplePane_.Clear();
  wait.KeepPainted();
  engine_.Loop().MarkPhase("tree fill");
  FillTree(*list_, fileTree_, engine_.Loop(), ShownByFilter());
  EndTreeRefill(wait);
  samplePane_.SetFilterText(filter_.text);
  engine_.Loop().MarkPhase("summary");
  UpdateSummary();
}

void Tform_local::LoadFolder(const std::u16string& shellPath, const std::u16string& extracted) {
  infoDisplay_ = false;
  list_->Clear();
  fileTree_.Clear();
  samplePane_.Clear();
  infoDisplay_ = true;
  if (!shellPath.empty()) {
    previousPath_ = shellPath;
    settings_.RememberPreviousFolder(shellPath);  // a folder the settings file cannot spell is browsed all the same
  }
  if (!extracted.empty()) {
    LoadFolderFiles(engine_, *list_, extracted, status_, true);
  } else {
    ComboArchiveBox archives(TntComboBox_ArchiveNames->hwnd);
    LoadFolderFilesWithArchives(engine_, *list_, NetworkPlacePath(shellPath), archives, status_, true);
  }

  if (filter_.Active()) PrepareFilterFor(FilterRecords());
  RefillFiltered();
  engine_.Loop().MarkPhase("loaded");
}

}  // namespace velura
