#include "ui/registry/form_reg_data_view_win.h"

#include <commctrl.h>
#include <richedit.h>

#include <optional>

#include "platform/message_box.h"
#include "platform/registry_key_win.h"
#include "platform/wide_win.h"
#include "records/reg_text_folding_win.h"
#include "ui/fontviews/elevation_hint_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/status_bar_font_win.h"
#include "ui/framework/tree_view_win.h"

namespace velura {

using ui::dock::Align;
using ui::dock::Docked;

namespace {

constexpr int kSimpleStatusPart = 255;  // SB_SIMPLEID

bool FileExists(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<RegistryKey> OpenMappingKey(const char16_t* path) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, ToWide(path), KEY_READ);
}

}  // namespace

TForm_RegDataView::TForm_RegDataView(TProcedureClass& engine, std::function<void()> showMainWindow,
                                     std::function<void()> restartElevated)
    : engine_(engine),
      mapping_(ReadMappingKeys()),
      showMainWindow_(std::move(showMainWindow)),
      restartElevated_(std::move(restartElevated)) {
  CreateForm(ToWide(regview_text::kCaption), WS_OVERLAPPEDWINDOW, 0, 800, 565,
             nullptr, ui::Placement::Default);
  CreateActions();
  CreateComponents();
  FillFontsTab();
  FillRegistryTab();
  FillFontFolderTab();
  // AdjustStatusBarFont
  ui::SetStatusBarFont(*StatusBar1);
  pages_->SelectPage(0);
  PageControl1Change();
}

TForm_RegDataView::~TForm_RegDataView() { Destroy(); }

void TForm_RegDataView::CreateActions() {
  ui::ActionList& actions = FormActions();
  const auto admin = [this] { return engine_.IsAdmin; };
  actions.Add({.id = ToolButton_tab1_auto, .caption = u"自動修正", .enabled = admin,
               .execute = [this] { ToolButton_tab1_autoClick(); }});
  actions.Add({.id = ToolButton_tab1_del, .caption = u"項目削除", .enabled = admin,
               .execute = [this] { ToolButton_tab1_delClick(); }});
  actions.Add({.id = N_ShowMain, .caption = u"メニューウインドウを表示", .execute = [this] {
                 if (showMainWindow_) showMainWindow_();
               }});
  actions.Add({.id = N_RegistryEditor, .caption = regview_text::kEditorCaption, .enabled = admin, .execute = [this] {
                 MessageRequest ask{regview_text::kEditorQuestion, regview_text::kEditorCaption,
                                    MessageIcon::Information, MessageButtons::OkCancel, 0};
                 if (ShowMessage(ask) == MessageResult::Ok) engine_.RegData().OpenRegistryEditorAtFonts();
               }});
  actions.Add({.id = N_Close, .caption = u"閉じる", .execute = [this] { PostMessageW(Hwnd(), WM_CLOSE, 0, 0); }});
  actions.Add({.id = N_CheckAll, .caption = u"すべて選択", .execute = [this] { SetAllChecks(1); }});
  actions.Add({.id = N_CheckInvert, .caption = u"選択反転", .execute = [this] { SetAllChecks(2); }});
  actions.Add({.id = N_CheckNone, .caption = u"すべて選択解除", .execute = [this] { SetAllChecks(0); }});
  actions.Add({.id = Action_Copy1, .caption = u"選択ファイルをコピー", .execute = [this] { Action_Copy1Execute(); }});
  actions.Add({.id = Action_Delete1, .caption = u"選択ファイルを削除", .execute = [this] { Action_Delete1Execute(); }});
  actions.Add({.id = Action_ToCopy1, .caption = u"フォントフォルダへファイルコピー...",
               .execute = [this] { Action_ToCopy1Execute(); }});

  offersRestart_ = AddRestartAsAdminAction(actions, Action_RestartAsAdmin, AdminOnlyCommands::RegistryRepair, engine_,
                                           restartElevated_);

  using ui::MenuEntry;
  std::vector<MenuEntry> bar = {MenuEntry::Item(N_ShowMain), MenuEntry::Item(N_RegistryEditor)};
  if (offersRestart_) bar.push_back(MenuEntry::Item(Action_RestartAsAdmin));
  bar.push_back(MenuEntry::Item(N_Close));
  SetMenuBar(ui::BuildMenu(actions, bar, false));
}

void TForm_RegDataView::CreateComponents() {
  if (offersRestart_)
    ElevationHintBar = &AddElevationHintBar(*this, AdminOnlyCommands::RegistryRepair, restartElevated_);
  StatusBar1 = &ui::AddStatusBar(*this, {100, 130, 130, 150, 150, 50});
  if (ElevationHintBar) StackAboveHintBar(*StatusBar1);
  pages_ = &ui::AddTabPages(*this, Docked(Align::Client, 0), {L"fonts", L"FontLink 他（閲覧）", L"フォントフォルダ"});
  pages_->onPageChange = [this](int) { PageControl1Change(); };

  // Tab 1: the Fonts entries.
  ui::Panel& fontsPage = pages_->Page(0);
  ToolBar1 = &ui::AddToolBar(fontsPage, Docked(Align::Top, 26), nullptr,
                             {{ToolButton_tab1_auto, -1, L"自動修正"}, {ToolButton_tab1_del, -1, L"項目削除"}},
                             SIZE{72, 24});
  SendMessageW(ToolBar1->hwnd, TB_SETMAXTEXTROWS, 1, 0);
  TntListView1 = &ui::AddGrid(fontsPage, Docked(Align::Client, 0),
                              {{L"No", 45, LVCFMT_RIGHT}, {L"フォント名", 260}, {L"ファイル名", 150}, {L"フォルダ", 200},
                               {L"有無", 40, LVCFMT_CENTER}, {L"読込", 40, LVCFMT_CENTER}},
                              true);

  // Tab 2: the mapping keys, read only.
  ui::Panel& linkPage = pages_->Page(1);
  const auto withFocusText = [this](ui::Control& control, int tag) {
    control.onNotify = [this, tag, previous = std::move(control.onNotify)](NMHDR& header) -> LRESULT {
      if (header.code == NM_SETFOCUS) ShowSimpleStatus(RegistryStatusText(tag));  // TreeView1Enter
      return previous ? previous(header) : 0;
    };
  };
  Panel_Link.Create(linkPage, Docked(Align::Left, 380));
  ui::AddLabel(Panel_Link, L"FontLink/SystemLink", Docked(Align::Top, 18));
  TreeView1 = &ui::AddTreeView(Panel_Link, Docked(Align::Client, 0), nullptr);
  withFocusText(*TreeView1, 1);
  Panel_Tables.Create(linkPage, Docked(Align::Client, 0));
  Panel_Substitutes.Create(Panel_Tables, Docked(Align::Top, 250));
  ui::AddLabel(Panel_Substitutes, L"FontSubstitutes", Docked(Align::Top, 18));
  TntListView2 = &ui::AddGrid(Panel_Substitutes, Docked(Align::Client, 0), {{L"名前", 180}, {L"データ", 180}});
  withFocusText(*TntListView2, 2);
  Panel_Mapper.Create(Panel_Tables, Docked(Align::Client, 0));
  ui::AddLabel(Panel_Mapper, L"FontMapper", Docked(Align::Top, 18));
  TntListView3 = &ui::AddGrid(Panel_Mapper, Docked(Align::Client, 0), {{L"名前", 180}, {L"データ", 180}});
  withFocusText(*TntListView3, 3);

  // Tab 3: the fonts folder.
  ui::Panel& folderPage = pages_->Page(2);
  Panel_FolderText.Create(folderPage, Docked(Align::Left, 330));
  ui::AddLabel(Panel_FolderText, L"フォントフォルダ内のファイル一覧", Docked(Align::Top, 18));
  RichEdit_FontFolder = &ui::AddRichEdit(Panel_FolderText, Docked(Align::Client, 0),
                                         ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL |
                                             ES_AUTOHSCROLL);
  SendMessageW(RichEdit_FontFolder->hwnd, EM_SETTARGETDEVICE, 0, 1);  // one file, one line
  Panel_FolderLists.Create(folderPage, Docked(Align::Client, 0));
  Panel_FontFiles.Create(Panel_FolderLists, Docked(Align::Top, 250));
  ui::AddLabel(Panel_FontFiles, L"ファイルがあるがレジストリに登録されていないフォントファイル", Docked(Align::Top, 18));
  CheckListBox_FontFile = &ui::AddCheckList(Panel_FontFiles, Docked(Align::Client, 0));
  Panel_OtherFiles.Create(Panel_FolderLists, Docked(Align::Client, 0));
  ui::AddLabel(Panel_OtherFiles, L"フォント以外のファイル", Docked(Align::Top, 18));
  CheckListBox_otherFile = &ui::AddCheckList(Panel_OtherFiles, Docked(Align::Client, 0));

  using ui::MenuEntry;
  const std::vector<MenuEntry> popup = {MenuEntry::Item(N_CheckAll),   MenuEntry::Item(N_CheckInvert),
                                        MenuEntry::Item(N_CheckNone),  MenuEntry::Separator(),
                                        MenuEntry::Item(Action_Copy1), MenuEntry::Item(Action_Delete1),
                                        MenuEntry::Item(Action_ToCopy1)};
  SetContextMenu(*CheckListBox_FontFile, popup);  // PopupMenu_FontFolder
  SetContextMenu(*CheckListBox_otherFile, popup);
  Relayout();
}

void TForm_RegDataView::FillFontsTab() {
  SystemTextFolding folding;
  table_ = BuildFontRows(engine_.RegData().Fonts, engine_.FontsFolder, FileExists, folding);
  SendMessageW(TntListView1->hwnd, WM_SETREDRAW, FALSE, 0);
  ui::ClearGridRows(*TntListView1);
  for (const RegViewRow& row : table_.Rows)
    ui::AddGridRow(*TntListView1, {ToWide(row.No), ToWide(row.FontName), ToWide(row.FileName), ToWide(row.Folder),
                                   ToWide(row.Mark), ToWide(row.Loaded)});
  SendMessageW(TntListView1->hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(TntListView1->hwnd, nullptr, TRUE);
  if (pages_->SelectedPage() == 0) ShowStatistics();
}

TForm_RegDataView::MappingKeys TForm_RegDataView::ReadMappingKeys() {
  MappingKeys keys;
  const auto systemLink = OpenMappingKey(regview_text::kSystemLinkPath);
  const auto substitutes = OpenMappingKey(regview_text::kSubstitutesPath);
  const auto mapper = OpenMappingKey(regview_text::kMapperPath);
  keys.systemLinkMissing = !systemLink;
  keys.substitutesMissing = !substitutes;
  keys.mapperMissing = !mapper;
  for (const std::wstring& name : systemLink ? systemLink->ValueNames() : std::vector<std::wstring>{}) {
    // The whole value, however long: RegistryKey::Read asks for its size first and keeps only what came back.
    const auto value = systemLink->Read(name);
    if (!value) continue;
    auto& node = keys.systemLink.emplace_back(name, std::vector<std::wstring>{});
    if (value->Type == REG_MULTI_SZ || value->Type == REG_SZ || value->Type == REG_EXPAND_SZ)
      for (const auto& child : SystemLinkChildren(ToU16(value->Text), value->Type == REG_MULTI_SZ))
        node.second.push_back(ToWide(child));
  }
  for (const std::wstring& name : substitutes ? substitutes->ValueNames() : std::vector<std::wstring>{}) {
    const auto value = substitutes->Read(name);
    const bool text = value && (value->Type == REG_SZ || value->Type == REG_EXPAND_SZ);
    keys.substitutes.emplace_back(name, text ? value->Text : L"");
  }
  for (const std::wstring& name : mapper ? mapper->ValueNames() : std::vector<std::wstring>{}) {
    DWORD type = 0, data = 0, size = sizeof data;
    const bool number = RegQueryValueExW(mapper->Handle(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data),
                                         &size) == ERROR_SUCCESS &&
                        type == REG_DWORD && size == sizeof data;
    keys.mapper.emplace_back(name, number ? ToWide(FontMapperDataText(data)) : L"");
  }
  return keys;
}

void TForm_RegDataView::FillRegistryTab() {
  const HWND tree = TreeView1->hwnd;
  for (const auto& [name, children] : mapping_.systemLink) {
    const HTREEITEM node = ui::InsertTreeItem(tree, name.c_str(), {.bold = true});
    for (const auto& child : children) ui::InsertTreeItem(tree, child.c_str(), {.parent = node});
    ui::ExpandTreeItem(tree, node);
  }
  for (const auto& [name, data] : mapping_.substitutes) ui::AddGridRow(*TntListView2, {name, data});
  for (const auto& [name, data] : mapping_.mapper) ui::AddGridRow(*TntListView3, {name, data});
  const std::wstring note = ToWide(regview_text::kMissingKeyNote);
  if (mapping_.systemLinkMissing) ui::InsertTreeItem(tree, note.c_str(), {});
  if (mapping_.substitutesMissing) ui::AddGridRow(*TntListView2, {note, L""});
  if (mapping_.mapperMissing) ui::AddGridRow(*TntListView3, {note, L""});
}

void TForm_RegDataView::FillFontFolderTab() {
  std::vector<std::u16string> names;
  WIN32_FIND_DATAW found{};
  const std::wstring pattern = ToWide(engine_.FontsFolder) + L"\\*.*";
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::u16string name = ToU16(found.cFileName);
      if (ListedInFontFolder(name, found.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY)) names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SystemTextFolding folding;
  folder_ = ClassifyFontFolder(names, engine_.RegData().Fonts, folding);

  std::wstring text;
  for (const auto& name : folder_.All) text += ToWide(name) + L"\r\n";
  SetWindowTextW(RichEdit_FontFolder->hwnd, text.c_str());
  ui::ClearCheckListItems(*CheckListBox_FontFile);
  ui::ClearCheckListItems(*CheckListBox_otherFile);
  for (const auto& name : folder_.UnregisteredFonts) ui::AddCheckListItem(*CheckListBox_FontFile, ToWide(name));
  for (const auto& name : folder_.Others) ui::AddCheckListItem(*CheckListBox_otherFile, ToWide(name));
  if (pages_->SelectedPage() == 2) PageControl1Change();
}

void TForm_RegDataView::ShowSimpleStatus(const std::u16string& text) {
  SendMessageW(StatusBar1->hwnd, SB_SIMPLE, TRUE, 0);
  ui::SetStatusText(*StatusBar1, kSimpleStatusPart, ToWide(text));
}

void TForm_RegDataView::ShowStatistics() {
  SendMessageW(StatusBar1->hwnd, SB_SIMPLE, FALSE, 0);
  const auto panels = StatisticsPanelTexts(table_.Statistics);
  for (int i = 0; i < 5; ++i) ui::SetStatusText(*StatusBar1, i, ToWide(panels[i]));
}

void TForm_RegDataView::PageControl1Change() {
  switch (pages_->SelectedPage()) {
    case 0: ShowStatistics(); break;
    case 1: ShowSimpleStatus(RegistryStatusText(0)); break;
    default:
      ShowSimpleStatus(FontFolderStatusText(folder_.All.size(), folder_.UnregisteredFonts.size(),
                                            folder_.Others.size()));
  }
}

}  // namespace velura
