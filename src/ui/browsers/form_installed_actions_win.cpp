// TForm_Installed: the commands, their menus and enabling, the uninstall with its guard, and the summary.
#include <windows.h>
#include <commctrl.h>

#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/wide_win.h"
#include "records/record_rules.h"
#include "records/text_export.h"
#include "ui/fontviews/elevation_offer.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/browsers/form_installed_win.h"
#include "ui/browsers/form_my_print_dialog_win.h"
#include "ui/browsers/local_browser_rules.h"
#include "ui/fontviews/record_dialogs_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/menu_win.h"
#include "ui/fontviews/sample_size_menu_win.h"

namespace velura {

void TForm_Installed::CreateActions() {
  ui::ActionList& actions = FormActions();
  auto add = [&](int id, const char16_t* caption, std::function<bool(const InstalledBrowserState&)> rule,
                 std::function<void()> execute) {
    std::function<bool()> enabled;
    if (rule) enabled = [this, rule] { return rule(State()); };
    actions.Add(
        {.id = id, .caption = caption, .hint = caption, .enabled = std::move(enabled), .execute = std::move(execute)});
  };
  add(Action_UnInstall, u"選択フォントをアンインストール", installed_enable::Uninstall,
      [this] { Action_UnInstallExecute(); });
  add(Action_UnSelectAll, u"すべて選択解除", {}, [this] {
    UntickAll(fileTree_);
    UpdateSummary();
  });
  add(Action_Reversal, u"選択反転", {}, [this] {
    InvertTicks(fileTree_);
    UpdateSummary();
  });
  add(Action_CopyFile, u"選択フォントファイルをコピー", installed_enable::CopyTicked,
      [this] { CopySelectedFiles(engine_.Installed(), Hwnd()); });
  add(Action_SelectAllInDir, u"フォルダ内をすべて選択", {}, [this] { SelectAllInDir(true); });
  add(Action_UnSelectAllInDir, u"フォルダ内をすべて選択解除", {}, [this] { SelectAllInDir(false); });
  add(Action_ExportTreeTxt, u"フォント名一覧を出力", installed_enable::Exports,
      [this] { Action_ExportTreeTxtExecute(); });
  add(Action_ExportFontCsvFile, u"フォント名のcsvを出力", installed_enable::Exports,
      [this] { ExportCsv(engine_.Installed(), Hwnd(), L"インストール済みフォントのリスト.csv"); });  // also csv1Click
  add(Action_ShowMainForm, u"メニューウインドウを表示", {}, [this] {
    if (showMainWindow_) showMainWindow_();
  });
  add(EditSelectAll1, u"すべてを選択(&A)", {}, [this] { EditSelectAll1Execute(); });
  add(EditCopy1, u"コピー(&C)", {}, [this] { EditCopy1Execute(); });
  actions.Find(EditCopy1)->hint = u"コピー";
  actions.SetShortcut(EditCopy1, 0x4000 + 'C');

  add(Action_ShowSearchWnd, u"検索ウインドウを開く", {}, [this] { OpenSearchWindow(L"検索（インストール済み窓）"); });
  add(Action_Print, u"印刷...", {}, [this] { PrintSamplesOf(engine_.Installed()); });
  add(Action_SelectSearchFont, u"検索されたフォントをすべて選択", {}, [this] {
    TickFoundFaces(fileTree_);
    UpdateSummary();
  });

  actions.Add({.id = N21,
               .caption = u"詳細を隠す",
               .checked = [this] { return detailsHidden_; },
               .execute = [this] { N21Click(); }});
  actions.Add({.id = Close1, .caption = u"閉じる", .execute = [this] { PostMessageW(Hwnd(), WM_CLOSE, 0, 0); }});
  offersRestart_ = AddRestartAsAdminAction(actions, Action_RestartAsAdmin, AdminOnlyCommands::Uninstall, engine_,
                                           restartElevated_);
  AddSampleSizeActions(actions, ms9, [this] { return SampleSize(); }, [this](int size) { SampleSizeClick(size); });  // ps72Click
}

void TForm_Installed::CreateMenus() {
  using ui::MenuEntry;
  std::vector<MenuEntry> fileItems = {MenuEntry::Item(Action_UnInstall),
                                            MenuEntry::Item(Action_CopyFile),
                                            MenuEntry::Separator(),
                                            MenuEntry::Item(Action_UnSelectAll),
                                            MenuEntry::Item(Action_Reversal),
                                            MenuEntry::Item(Action_SelectSearchFont),
                                            MenuEntry::Item(Action_SelectAllInDir),
                                            MenuEntry::Item(Action_UnSelectAllInDir),
                                            MenuEntry::Separator(),
                                            MenuEntry::Item(Action_ShowSearchWnd),
                                            MenuEntry::Separator(),
                                            MenuEntry::Item(Action_ExportTreeTxt),
                                            MenuEntry::Item(Action_ExportFontCsvFile)};
  if (offersRestart_) fileItems.insert(fileItems.end(), {MenuEntry::Separator(), MenuEntry::Item(Action_RestartAsAdmin)});
  const std::vector<MenuEntry> sampleItems = {SampleSizeMenu(ms9),
                                              MenuEntry::Item(Action_Print)};
  SetMenuBar(ui::BuildMenu(FormActions(),
                           {MenuEntry::Submenu(u"ファイル", fileItems),
                            MenuEntry::Submenu(u"表示", {MenuEntry::Item(N21), MenuEntry::Item(Action_ShowMainForm)}),
                            MenuEntry::Submenu(u"サンプル表示", sampleItems), MenuEntry::Item(Close1)},
                           false));
  SetPopupMenus(fileItems, sampleItems, EditSelectAll1, EditCopy1);
}

InstalledBrowserState TForm_Installed::State() const {
  InstalledBrowserState state;
  state.nodeCount = fileTree_.Count();
  state.anyTicked = AnyTickedNode(fileTree_);
  state.anyTickedPerUser = state.anyTicked && AnyTickedNode(fileTree_, true);
  state.isAdmin = engine_.IsAdmin;
  return state;
}

void TForm_Installed::UpdateSummary() {
  if (fileTree_.Count() == 0) return;
  const InstalledSummary summary = SummarizeInstalledTree(fileTree_, fileTree_.Selected());
  auto first = SummaryTexts1(summary);
  // Ticked files the character filter hides still count: told in the last panel, which runs to the edge.
  first.back() += HiddenTicksText(HiddenTickedCount(engine_.Installed().Items, filter_));
  for (std::size_t i = 0; i < first.size(); ++i) ui::SetStatusText(*StatusBar1, static_cast<int>(i), ToWide(first[i]));
  const auto second = SummaryTexts2(summary);
  for (std::size_t i = 0; i < second.size(); ++i)
    ui::SetStatusText(*StatusBar2, static_cast<int>(i), ToWide(second[i]));
}

void TForm_Installed::SelectAllInDir(bool tick) {
  TickAllInFolder(fileTree_, fileTree_.Selected(), tick);
  UpdateSummary();
}

void TForm_Installed::Action_UnInstallExecute() {
  if (fileTree_.Count() == 0) return;
  if (HiddenTickedCount(engine_.Installed().Items, filter_) > 0) {
    // The guard asks about the files the tree shows: every ticked file is shown before anything is deleted.
    filterBar_.Reset();
    filter_ = {};
    RefillFiltered();
  }
  if (!engine_.IsAdmin) UntickMachineWideFiles(fileTree_);  // this user's own fonts only
  UninstallGuardAsk ask;
  ask.systemFont = [](const TFileDataItem& record) {
    ShowMessage(SystemFontText(record), kSystemFontCaption, MessageIcon::Error);
  };
  ask.protectedFont = [](const TFileDataItem& record) {
    switch (ShowMessage(MessageRequest{ProtectedQuestionText(record), kProtectedCaption, MessageIcon::Warning,
                                       MessageButtons::YesNoCancel, 2})) {
      case MessageResult::Yes: return ProtectedAnswer::Delete;
      case MessageResult::No: return ProtectedAnswer::Keep;
      default: return ProtectedAnswer::Cancel;
    }
  };
  const GuardOutcome outcome = RunUninstallGuard(fileTree_, ask);
  UpdateSummary();
  if (outcome != GuardOutcome::Proceed) return;
  const MessageResult answer = ShowMessage(MessageRequest{kUninstallConfirmText, kUninstallConfirmCaption,
                                                          MessageIcon::Warning, MessageButtons::YesNoCancel, 2});
  if (answer == MessageResult::Yes) {
    ClearTree();  // the run deletes records the tree points at, while it keeps the message loop turning
    try {
      // Machine-wide fonts first (an administrator's), then this user's own in their loop.
      if (engine_.IsAdmin) engine_.UninstallSelected(status_);
      if (!engine_.Loop().StopRequested) engine_.UninstallSelectedForUser(status_);
    } catch (...) {
      Reload();
      throw;
    }
    Reload();
  } else if (answer == MessageResult::No) {
    RemoveRegistryEntriesOfTicked();
  }
}

void TForm_Installed::RemoveRegistryEntriesOfTicked() {
  const std::vector<TFileDataItem*> records = TickedFileRecords(fileTree_);
  ClearTree();
  // A registry failure stops the removal part-way: the tree is rebuilt from what the list holds then.
  try {
    RemoveRegistryEntriesOnly(records, engine_.Installed(), engine_.RegData());
  } catch (...) {
    Reload();
    throw;
  }
  Reload();  // runs UpdateNames
}

bool TForm_Installed::ExportTreeTo(const std::wstring& path) const {
  return engine_.Records().Files.WriteReplacing(ToU16(path), Utf16LeLines(TreeTextLines()));
}

void TForm_Installed::Action_ExportTreeTxtExecute() {
  if (fileTree_.Count() == 0) return;
  // SaveDialog1
  SaveLinesAs(Hwnd(), L"テキストファイル\0*.txt\0", L"txt", L"インストール済みフォント一覧.txt", TreeTextLines(),
              engine_.Records().Files);
}

void TForm_Installed::SampleSizeClick(int size) {
  SetSampleSize(size);
  settings_.WriteSampleSize(size);
}

void TForm_Installed::N21Click() {
  detailsHidden_ = !detailsHidden_;
  for (ui::Control* control : {ui::ControlOf(Panel1.Hwnd()), Splitter1})
    if (control) ui::SetVisible(*control, !detailsHidden_);
}

}  // namespace velura
