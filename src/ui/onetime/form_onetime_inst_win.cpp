#include "ui/onetime/form_onetime_inst_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/resource_ids.h"
#include "platform/ansi_win.h"
#include "platform/text.h"
#include "platform/wide_win.h"
#include "ui/fontviews/folder_picker_win.h"
#include "ui/fontviews/sample_size_menu_win.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/open_file_dialog_win.h"
#include "ui/framework/subclass_win.h"
#include "ui/framework/tree_view_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

}  // namespace

TForm_OneTimeInst::TForm_OneTimeInst(TProcedureClass& engine, TIniKeeper& settings, TGroupRootClass& groups,
                                     std::function<void()> showMainWindow)
    : engine_(engine),
      settings_(settings),
      groups_(groups),
      showMainWindow_(std::move(showMainWindow)),
      status_(engine.Loop()) {
  CreateForm(L"一時インストールの管理", WS_OVERLAPPEDWINDOW, 0, 800, 565, nullptr, ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  CreateActions();
  CreateComponents();
  CreateMenus();
  // FormCreate
  sub_ = std::make_unique<TForm_OneTime_sub>(Hwnd());
  BuildGroupTree();
}

TForm_OneTimeInst::~TForm_OneTimeInst() {
  // FormDestroy: the views point at records the store keeps; empty them before the window goes.
  building_ = true;
  if (Hwnd()) ClearFontView();
  sub_.reset();
  Destroy();
}

void TForm_OneTimeInst::CreateComponents() {
  StatusBar1 = &ui::AddStatusBar(*this, {96, 170, -1});
  ui::SetStatusBarFont(*StatusBar1);

  Panel_left.Create(*this, Docked(Align::Left, 260, "Panel_left"));
  ui::AddSplitter(*this, Align::Left, 4, "Panel_left");
  Panel_right.Create(*this, Docked(Align::Client, 0));

  groupImages_ = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, Dpi());
  TntTreeView_Group =
      &ui::AddTreeView(Panel_left, Docked(Align::Top, 240, "TntTreeView_Group"), groupImages_.Get(),
                       TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_EDITLABELS);
  TntTreeView_Group->onNotify = [this](NMHDR& header) { return GroupTreeNotify(header); };
  ui::Subclass(TntTreeView_Group->hwnd, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_KEYDOWN && wParam == VK_F2) {  // TntTreeView_GroupKeyDown
      FormActions().Execute(Action_EditGroupName);
      result = 0;
      return true;
    }
    if (message == WM_KEYUP && wParam == VK_DELETE) {  // TntTreeView_GroupKeyUp
      FormActions().Execute(Action_DeleteGroup);
      result = 0;
      return true;
    }
    return GroupTreeMouse(message, lParam);
  });
  ui::AddSplitter(Panel_left, Align::Top, 4, "TntTreeView_Group");

  Panel_Drop1.Create(Panel_left, Docked(Align::Client, 0));
  Panel_Drop1.OnDropFiles = [this](TPanel_Drop& panel) { AddPathsChecked(panel.Files()); };
  GroupBox_Path.Create(Panel_Drop1, Docked(Align::Bottom, 118), ui::Bevel::Lowered, L"パス手入力");
  Edit_Path = &ui::AddEdit(GroupBox_Path, L"", At(6, 20, 244, 21, true));
  ui::Control& add = ui::AddButton(GroupBox_Path, L"追加", At(6, 46, 60, 24));
  ui::Control& clear = ui::AddButton(GroupBox_Path, L"クリア", At(72, 46, 60, 24));
  ui::Control& close = ui::AddButton(GroupBox_Path, L"閉じる", At(138, 46, 60, 24));
  ui::AddLabel(GroupBox_Path, L"ここで入力したパスはフォルダ・ファイルを確認せずにリストに追加されます",
               At(6, 76, 244, 15, true));
  ui::AddLabel(GroupBox_Path, L"絶対パスおよび相対パスを指定できます", At(6, 94, 244, 15, true));
  ui::OnClick(add, [this] { Button_PathAddClick(); });
  ui::OnClick(clear, [this] { SetWindowTextW(Edit_Path->hwnd, L""); });                         // Button_EditClearClick
  ui::OnClick(close, [this] { ui::SetVisible(*ui::ControlOf(GroupBox_Path.Hwnd()), false); });  // Button_PathCloseClick
  TntTreeView_GroupItem = &ui::AddTreeView(Panel_Drop1, Docked(Align::Client, 0), nullptr,
                                           TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS);
  TntTreeView_GroupItem->onNotify = [this](NMHDR& header) { return ContentTreeNotify(header); };
  ui::Subclass(TntTreeView_GroupItem->hwnd, [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_KEYUP && wParam == VK_DELETE) {  // TntTreeView_GroupItemKeyUp
      if (SelectedEntry()) DeleteSelectedEntry();
      result = 0;
      return true;
    }
    return false;
  });

  fontImages_ = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, Dpi());
  // The font view under "文字で絞り込む", both in one column.
  Panel_FontView.Create(Panel_right, Docked(Align::Left, 250, "Panel_FontView"));
  filterBar_.Create(Panel_FontView, 250);
  filterBar_.OnChange = [this] { CharFilterChange(); };
  TntTreeView_FontName = &ui::AddTreeView(Panel_FontView, Docked(Align::Client, 0), fontImages_.Get(),
                                          TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS);
  fontTree_.Attach(TntTreeView_FontName->hwnd);
  TntTreeView_FontName->onNotify = [this](NMHDR& header) { return FontTreeNotify(header); };
  ui::AddSplitter(Panel_right, Align::Left, 4, "Panel_FontView");
  samplePane_.Create(Panel_right, fontTree_, 270, [this] { return !building_; }, engine_.Loop());
  Relayout();
  ui::SetVisible(*ui::ControlOf(GroupBox_Path.Hwnd()), false);
}

void TForm_OneTimeInst::CreateActions() {
  ui::ActionList& actions = FormActions();
  auto add = [&](int id, const char16_t* caption, bool (*rule)(const OneTimeState&), std::function<void()> execute) {
    std::function<bool()> enabled;
    if (rule) enabled = [this, rule] { return rule(State()); };
    actions.Add(
        {.id = id, .caption = caption, .hint = caption, .enabled = std::move(enabled), .execute = std::move(execute)});
  };
  using namespace onetime_enable;
  add(Action_AddGroup, u"グループを作成", nullptr, [this] { AddGroup(false); });
  add(Action_AddChildGroup, u"子グループを作成", GroupCommands, [this] { AddGroup(true); });
  add(Action_DeleteGroup, u"グループ削除", GroupCommands, [this] { DeleteGroup(); });
  add(Action_EditGroupName, u"名前の編集", nullptr, [this] {
    if (const HTREEITEM item = ItemOfGroup(SelectedGroup())) {
      SetFocus(TntTreeView_Group->hwnd);
      ui::EditTreeItemLabel(TntTreeView_Group->hwnd, item);
    }
  });
  add(Action_ChangeRoot, u"ルートに移動", GroupCommands, [this] { ChangeRoot(); });
  actions.Add(
      {.id = Action_ShowSample,
       .caption = u"一時インストール",
       .hint = u"一時インストール",
       .enabled = [this] { return GroupCommands(State()); },
       .checked = [this] { return SelectedGroup() && SelectedGroup()->Registered(); },  // Action_ShowSampleUpdate
       .execute = [this] { Action_ShowSampleExecute(); }});
  add(Action_AddFiles, u"登録ファイル追加", GroupCommands, [this] {
    // OpenDialog1
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Hwnd();
    dialog.lpstrFilter = L"フォントファイル\0*.ttf;*.ttc;*.otf\0";
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    const std::wstring buffer = ui::GetOpenFileNames(dialog);  // grows for any number of files
    if (buffer.empty()) return;
    std::vector<std::u16string> paths;
    const std::wstring first(buffer.c_str());
    const wchar_t* next = buffer.c_str() + first.size() + 1;
    if (!*next) {
      paths.push_back(ToU16(first));
    } else {
      for (; *next; next += wcslen(next) + 1) paths.push_back(ToU16(first + L"\\" + next));
    }
    AddPathsChecked(paths);
  });
  add(Action_AddDir, u"登録フォルダ追加", GroupCommands, [this] {
    const std::wstring folder = BrowseForFolder(Hwnd(), L"");
    if (!folder.empty()) AddPathsChecked({ToU16(folder)});
  });
  add(Action_PathPanelShow, u"パスを手入力", GroupCommands, [this] { ShowPathPanel(ui::WindowText(Edit_Path->hwnd)); });
  add(Action_ItemDelete, u"項目削除", EntryCommands, [this] { DeleteSelectedEntry(); });
  add(Action_DelNotExistsFileDir, u"ファイル・フォルダの存在しない項目を自動削除", GroupCommands,
      [this] { DeleteMissingEntries(); });
  add(Action_OpenFolder, u"フォルダを開く", EntryCommands, [this] { OpenFolderOfEntry(); });
  add(Action_OpenExplorerOneTime, u"エクスプローラー起動（ドロップ用）", GroupCommands, [this] {
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    ShellExecuteW(Hwnd(), L"OPEN", L"Explorer.exe", current, L"", SW_SHOWNORMAL);
  });
  actions.Add({.id = Action_ShowSubForm,
               .caption = u"詳細ウインドウ表示",
               .hint = u"詳細ウインドウ表示",
               .enabled = [this] { return FontViewCommands(State()); },
               .checked = [this] { return sub_ && IsWindowVisible(sub_->Hwnd()); },
               .execute = [this] { sub_->Toggle(); }});
  add(Action_installOneTime, u"選択フォントをインストール", Install, [this] { Action_installExecute(); });
  add(Action_ExportTreeTxtOneTime, u"フォント名一覧を出力", ExportTreeTxt, [this] { Action_ExportTreeTxtExecute(); });
  add(Action_ExportFontCsvFileOneTime, u"フォント名のcsvを出力", FontViewCommands,
      [this] { Action_ExportFontCsvFileExecute(); });
  add(Action_ShowMainFormOneTime, u"メニューウインドウを表示", nullptr, [this] {
    if (showMainWindow_) showMainWindow_();
  });
  add(CloseOneTime, u"閉じる", nullptr, [this] { PostMessageW(Hwnd(), WM_CLOSE, 0, 0); });
  AddSampleSizeActions(actions, ms9, [this] { return SampleSize(); }, [this](int size) { SetSampleSize(size); });  // ms90Click: the size is not stored
}

void TForm_OneTimeInst::CreateMenus() {
  using ui::MenuEntry;
  const std::vector<MenuEntry> groupItems = {MenuEntry::Item(Action_AddGroup),
                                             MenuEntry::Item(Action_AddChildGroup),
                                             MenuEntry::Item(Action_ChangeRoot),
                                             MenuEntry::Separator(),
                                             MenuEntry::Item(Action_DeleteGroup),
                                             MenuEntry::Separator(),
                                             MenuEntry::Item(Action_ShowSample),
                                             MenuEntry::Separator(),
                                             MenuEntry::Item(Action_ExportTreeTxtOneTime),
                                             MenuEntry::Item(Action_ExportFontCsvFileOneTime)};
  const std::vector<MenuEntry> entryItems = {MenuEntry::Item(Action_AddFiles),
                                             MenuEntry::Item(Action_AddDir),
                                             MenuEntry::Item(Action_OpenFolder),
                                             MenuEntry::Item(Action_OpenExplorerOneTime),
                                             MenuEntry::Separator(),
                                             MenuEntry::Item(Action_ItemDelete),
                                             MenuEntry::Separator(),
                                             MenuEntry::Item(Action_DelNotExistsFileDir)};
  SetMenuBar(ui::BuildMenu(
      FormActions(),
      {MenuEntry::Submenu(u"グループ操作", groupItems), MenuEntry::Submenu(u"登録項目", entryItems),
       MenuEntry::Submenu(u"サンプル表示",
                          {SampleSizeMenu(ms9), MenuEntry::Item(Action_ShowSubForm)}),
       MenuEntry::Item(Action_ShowMainFormOneTime), MenuEntry::Item(CloseOneTime)},
      false));
  // PopupMenu1 on the group tree, PopupMenu3 on the content view, PopupMenu4 on the font view, PopupMenu2 on
  // the samples.
  SetContextMenu(*TntTreeView_Group,
                 {MenuEntry::Item(Action_AddGroup), MenuEntry::Item(Action_AddChildGroup),
                  MenuEntry::Item(Action_ChangeRoot), MenuEntry::Separator(), MenuEntry::Item(Action_DeleteGroup),
                  MenuEntry::Item(Action_EditGroupName), MenuEntry::Separator(), MenuEntry::Item(Action_ShowSample)});
  SetContextMenu(
      *TntTreeView_GroupItem,
      {MenuEntry::Item(Action_AddFiles), MenuEntry::Item(Action_AddDir), MenuEntry::Item(Action_OpenFolder),
       MenuEntry::Item(Action_OpenExplorerOneTime), MenuEntry::Item(Action_PathPanelShow), MenuEntry::Separator(),
       MenuEntry::Item(Action_ItemDelete), MenuEntry::Item(Action_DelNotExistsFileDir)});
  SetContextMenu(*TntTreeView_FontName,
                 {MenuEntry::Item(Action_installOneTime), MenuEntry::Separator(), MenuEntry::Item(Action_ShowSubForm),
                  MenuEntry::Separator(), MenuEntry::Item(Action_ExportTreeTxtOneTime),
                  MenuEntry::Item(Action_ExportFontCsvFileOneTime)});
  SetContextMenu(*ui::ControlOf(samplePane_.ListHwnd()),
                 {SampleSizeMenu(ms9), MenuEntry::Item(Action_ShowSubForm)});
}

void TForm_OneTimeInst::Open() {
  // FormShow
  samplePane_.ResetChoices();
  SetSampleSize(SampleFontSizeSetting(settings_.ReadSampleSizes()));
  ui::SetVisible(*ui::ControlOf(GroupBox_Path.Hwnd()), false);
  Show(SW_SHOWNORMAL);
  ui::ExpandTreeItem(TntTreeView_Group->hwnd, ui::TreeRoot(TntTreeView_Group->hwnd));
}

void TForm_OneTimeInst::OpenWithPaths(const std::vector<std::u16string>& paths) {
  Open();
  TGroupItem* special = groups_.FindGroup(ToAnsi(kHandOverGroupName));
  if (!special) {
    SelectGroup(nullptr);
    AddGroup(false, kHandOverGroupName);
    TreeView_EndEditLabelNow(TntTreeView_Group->hwnd, TRUE);
    special = groups_.FindGroup(ToAnsi(kHandOverGroupName));
  }
  SelectGroup(special);
  AddPathsChecked(paths);
}

void TForm_OneTimeInst::OnClose() {
  sub_->Hide();
  Destroy();  // FormClose: the window is freed; the groups and their registrations stay with the store
}

OneTimeState TForm_OneTimeInst::State() const {
  OneTimeState state;
  const TGroupItem* group = SelectedGroup();
  state.groupSelected = group != nullptr;
  state.groupRegistered = group && group->Registered();
  state.entrySelected = SelectedEntry() != nullptr;
  state.fontNodes = fontTree_.Count();
  for (FileTree::Node node = fontTree_.First(); node && !state.anyFontTicked; node = fontTree_.NextSibling(node))
    if (const TFileDataItem* record = fontTree_.Record(node)) state.anyFontTicked = record->Has(Selected);
  return state;
}

LRESULT TForm_OneTimeInst::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DPICHANGED) {
    const LRESULT result = Form::OnMessage(message, wParam, lParam);
    FollowDpi();
    return result;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace velura
