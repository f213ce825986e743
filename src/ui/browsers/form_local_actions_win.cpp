// Tform_local: the commands, their menus and enabling, and the status bar summary.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/wide_win.h"
#include "records/text_export.h"
#include "ui/fontviews/elevation_offer.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/folder_picker_win.h"
#include "ui/browsers/form_local_win.h"
#include "ui/browsers/form_my_print_dialog_win.h"
#include "ui/fontviews/install_ticked_win.h"
#include "ui/fontviews/record_dialogs_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/menu_win.h"
#include "ui/fontviews/sample_size_menu_win.h"

namespace velura {

void Tform_local::CreateActions() {
  ui::ActionList& actions = FormActions();
  auto add = [&](int id, const char16_t* caption, std::function<bool(const LocalBrowserState&)> rule,
                 std::function<void()> execute) {
    std::function<bool()> enabled;
    if (rule) enabled = [this, rule] { return rule(State()); };
    actions.Add({.id = id, .caption = caption, .hint = caption, .enabled = std::move(enabled), .execute = std::move(execute)});
  };
  add(Action_install, u"選択フォントをインストール", local_enable::Install, [this] { Action_installExecute(); });
  add(Action_CopyFile, u"選択フォントファイルをコピー", local_enable::CopyTicked, [this] { CopySelectedFiles(*list_, Hwnd()); });
  add(Action_ActiveFileCopy, u"フォーカスのあるフォントファイルをコピー", local_enable::ActiveFileCopy,
      [this] { Action_ActiveFileCopyExecute(); });
  add(Action_SelectAll, u"すべて選択", local_enable::ListCommands, [this] { Action_SelectAllExecute(); });
  add(Action_Reversal, u"選択反転", local_enable::ListCommands, [this] {
    InvertTicks(fileTree_);
    UpdateSummary();
  });
  add(Action_UnSelectAll, u"すべて選択解除", local_enable::ListCommands, [this] {
    UntickAll(fileTree_);
    UpdateSummary();
  });
  add(Action_SelectSearchFont, u"検索されたフォントをすべて選択", local_enable::ListCommands, [this] {
    TickFoundFaces(fileTree_);
    UpdateSummary();
  });
  add(Action_SendOneTimeInst, u"選択ファイルを一時インストール管理に追加",
      [this](const LocalBrowserState& s) { return SendFilesToOneTime && local_enable::SendOneTimeInst(s); }, [this] {
        std::vector<std::u16string> ticked;
        for (const auto& record : list_->Items)
          if (record->Has(Selected)) ticked.push_back(record->Path);
        if (!ticked.empty()) SendFilesToOneTime(std::move(ticked));  // the launcher closes an open window first
      });
  add(Action_SendDir_OneTimeInst, u"フォルダごと一時インストール管理に追加",
      [this](const LocalBrowserState& s) { return SendFolderToOneTime && local_enable::SendDirOneTimeInst(s); },
      [this] { SendFolderToOneTime(ToU16(ShellTreeView1.Path())); });
  add(Action_ShowSearchWndExecute, u"検索ウインドウを開く", {}, [this] { OpenSearchWindow(L"検索（未インストール窓）"); });
  add(Action_OpenExplorer, u"フォルダを開く", local_enable::OpenExplorer, [this] { Action_OpenExplorerExecute(); });
  add(Action_ExportTreeTxt, u"フォント名一覧を出力", local_enable::ListCommands, [this] { Action_ExportTreeTxtExecute(); });
  add(Action_ExportFontCsvFile, u"フォント名のcsvを出力", local_enable::ListCommands,
      [this] { ExportCsv(*list_, Hwnd(), L"未インストールフォントのリスト.csv"); });
  add(Action_Print, u"印刷...", {}, [this] { PrintSamplesOf(*list_); });
  add(Action_ShowMainForm, u"メニューウインドウを表示", {}, [this] {
    if (showMainWindow_) showMainWindow_();
  });
  add(EditSelectAll1, u"すべてを選択(&A)", {}, [this] { EditSelectAll1Execute(); });
  add(EditCopy1, u"コピー(&C)", {}, [this] { EditCopy1Execute(); });
  FormActions().SetShortcut(EditCopy1, 0x4000 + 'C');
  actions.Add({.id = N14, .caption = u"詳細を隠す", .checked = [this] { return detailsHidden_; }, .execute = [this] { N14Click(); }});
  actions.Add({.id = Close1, .caption = u"閉じる", .execute = [this] { PostMessageW(Hwnd(), WM_CLOSE, 0, 0); }});
  offersRestart_ = AddRestartAsAdminAction(actions, Action_RestartAsAdmin, AdminOnlyCommands::Install, engine_,
                                           restartElevated_);
  AddSampleSizeActions(actions, ps9, [this] { return SampleSize(); }, [this](int size) { SetSampleSize(size); });  // ps90Click
}

void Tform_local::CreateMenus() {
  using ui::MenuEntry;
  std::vector<MenuEntry> fileItems = {
      MenuEntry::Item(Action_install), MenuEntry::Item(Action_CopyFile), MenuEntry::Separator(),
      MenuEntry::Item(Action_ActiveFileCopy), MenuEntry::Separator(), MenuEntry::Item(Action_SelectAll),
      MenuEntry::Item(Action_Reversal), MenuEntry::Item(Action_UnSelectAll), MenuEntry::Item(Action_SelectSearchFont),
      MenuEntry::Separator(), MenuEntry::Item(Action_SendOneTimeInst), MenuEntry::Item(Action_SendDir_OneTimeInst),
      MenuEntry::Separator(), MenuEntry::Item(Action_ShowSearchWndExecute), MenuEntry::Item(Action_OpenExplorer),
      MenuEntry::Separator(), MenuEntry::Item(Action_ExportTreeTxt), MenuEntry::Item(Action_ExportFontCsvFile)};
  if (offersRestart_) fileItems.insert(fileItems.end(), {MenuEntry::Separator(), MenuEntry::Item(Action_RestartAsAdmin)});
  const std::vector<MenuEntry> sampleItems = {SampleSizeMenu(ps9), MenuEntry::Item(Action_Print)};
  SetMenuBar(ui::BuildMenu(FormActions(),
                           {MenuEntry::Submenu(u"ファイル(&F)", fileItems),
                            MenuEntry::Submenu(u"表示", {MenuEntry::Item(N14), MenuEntry::Item(Action_ShowMainForm)}),
                            MenuEntry::Submenu(u"サンプル表示", sampleItems), MenuEntry::Item(Close1)},
                           false));
  SetPopupMenus(fileItems, sampleItems, EditSelectAll1, EditCopy1);
}

LocalBrowserState Tform_local::State() const {
  LocalBrowserState state;
  state.nodeCount = fileTree_.Count();
  state.anyTicked = std::any_of(list_->Items.begin(), list_->Items.end(), [](const auto& r) { return r->Has(Selected); });
  state.archiveChosen = SendMessageW(TntComboBox_ArchiveNames->hwnd, CB_GETCURSEL, 0, 0) >= 0;
  state.isAdmin = engine_.IsAdmin;
  state.installsPerUser = engine_.InstallsPerUser();
  state.nodeSelected = fileTree_.Selected() != nullptr;
  state.folderSelected = !ShellTreeView1.Path().empty();
  return state;
}

void Tform_local::UpdateSummary() {
  const TickSummary summary = SummarizeTree(fileTree_);
  ui::SetStatusText(*StatusBar1, 1, ToWide(SelectionText(summary)));
  // Ticked files the character filter hides still count: the user is told they are there.
  ui::SetStatusText(*StatusBar1, 2,
                    ToWide(FileCountText(summary) + HiddenTicksText(HiddenTickedCount(list_->Items, filter_))));
  if (perUserHint_) ui::SetStatusText(*StatusBar1, 3, ToWide(std::u16string(kPerUserInstallHint)));
}

void Tform_local::Action_installExecute() {
  if (InstallTicked(Hwnd(), fileTree_, *list_, engine_, status_)) UpdateSummary();
}

void Tform_local::Action_SelectAllExecute() {
  TickAll(fileTree_);
  UpdateSummary();
}

void Tform_local::Action_ActiveFileCopyExecute() {
  const std::wstring destination = BrowseForFolder(Hwnd(), L"フォントコピー先の指定");
  if (destination.empty()) return;
  const FileTree::Node node = fileTree_.Selected();
  if (!node) return;
  const std::u16string name = FileNameInNodeText(ToU16(fileTree_.Text(node)));
  const std::wstring from = ToWide(list_->LastFolder) + L"\\" + ToWide(name);
  const std::wstring to = destination + L"\\" + ToWide(name);
  if (!name.empty() && CopyFileW(from.c_str(), to.c_str(), FALSE))
    ShowMessage(name + u"\r\nをコピーしました", u"");
  else
    ShowMessage(u"コピーに失敗しました", u"エラー通知", MessageIcon::Error);
}

bool Tform_local::ExportTreeTo(const std::wstring& path) const {
  return list_->Services().Files.WriteReplacing(ToU16(path), Utf16LeLines(TreeTextLines()));
}

void Tform_local::Action_ExportTreeTxtExecute() {
  if (fileTree_.Count() == 0) return;
  // SaveDialog1
  SaveLinesAs(Hwnd(), L"テキストファイル\0*.txt\0", L"txt", L"", TreeTextLines(), list_->Services().Files);
}

void Tform_local::Action_OpenExplorerExecute() {
  const std::wstring folder = ShellTreeView1.Path();
  ShellExecuteW(Hwnd(), L"OPEN", L"Explorer.exe", folder.c_str(), L"", SW_SHOWNORMAL);
}

void Tform_local::N14Click() {
  detailsHidden_ = !detailsHidden_;
  // Panel_top's record belongs to Panel_client, which it is nested in: found through its owner.
  for (ui::Control* control : {ui::ControlOf(Panel_top.Hwnd()), Splitter1H, Splitter2V})
    if (control) ui::SetVisible(*control, !detailsHidden_);
}

void Tform_local::OnIdle() {}

}  // namespace velura
