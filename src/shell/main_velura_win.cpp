#include "shell/main_velura_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "fontfile/font_enum_win.h"
#include "platform/executable_folder_win.h"
#include "platform/kernel_handles_win.h"
#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "platform/windows_version_win.h"
#include "records/long_operations.h"
#include "platform/resource_ids.h"
#include "shell/launcher_rules.h"
#include "ui/browsers/form_local_win.h"
#include "ui/fontviews/elevation_offer.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/error_report_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/subclass_win.h"
#include "ui/framework/window_place_win.h"
#include "ui/settings/form_setting1_win.h"

namespace velura {

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kTrayIconId = 1;

// The 84-pixel pictures need the buttons at twice their designed 51 x 50 (192 DPI): at 144 the buttons are
// 76 x 75, where they would be cut and push the last buttons off the window, so the 42-pixel ones stay.
ui::UniqueImageList LauncherImages(int dpi) {
  return ui::LoadImageStrip(IDB_LAUNCHER_42, IDB_LAUNCHER_84, 42, dpi >= 192 ? dpi : 96);
}

}  // namespace

Tmain_velura::Tmain_velura(TIniKeeper& settings, ToolWindowTable tools, std::u16string groupFolder,
                           ElevatedRestart* restart)
    : settings_(settings), restart_(restart) {
  splash_ = std::make_unique<TForm_Splash>();
  splash_->Show(SW_SHOWNOACTIVATE);
  UpdateWindow(splash_->Hwnd());
  fonts_ = std::make_unique<SystemEngine>(settings_);
  splash_->StopLoopsOf(fonts_->Engine().Loop());
  groups_ = std::make_unique<OneTimeGroupStore>(fonts_->Engine().Records().Files, std::move(groupFolder));

  CreateForm(L"フォントインストーラーVELURA", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 365, 77,
             nullptr, ui::Placement::Default);
  ui::SetMainWindow(Hwnd());
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  // The browser's list is looked up at each use: the browser may be a stand-in (tests) or not showing.
  auto browsedFonts = [this]() -> const TFileData_base* {
    ToolWindow* local = tools_ ? tools_->Find(Action_ShowLocalForm) : nullptr;
    auto* browser = dynamic_cast<FormToolWindow<Tform_local>*>(local);
    if (!browser || !IsWindowVisible(browser->Hwnd())) return nullptr;
    return &browser->Form().List();
  };
  ToolWindowSite site{*fonts_, settings_, [this] { ShowMainWindow(); }, browsedFonts};
  site.groups = &groups_->Groups();
  site.openOneTimeWithFiles = [this](std::vector<std::u16string> files) { OpenOneTimeWithFiles(std::move(files)); };
  site.openOneTimeWithFolder = [this](std::u16string folder) { OpenOneTimeWithFolder(std::move(folder)); };
  if (restart_) site.restartElevated = [this] { RestartAsAdministrator(); };
  tools_ = std::make_unique<ToolWindowSet>(std::move(tools), std::move(site), Hwnd());
  buttons_ = LauncherButtons(tools_->Rows());
  CreateActions();
  CreateComponents();

  if (settings_.ReadStayOnTop()) SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  tools_->CreateStartUpWindows();
}

Tmain_velura::~Tmain_velura() {
  if (trayIconShown_) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = Hwnd();
    icon.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &icon);
  }
  tools_.reset();
  // Program end: the group file is written and every registration of the one-time install released; then
  // the removals Windows refused earlier in the run are tried once more.
  groups_.reset();
  fonts_->Engine().Registrations().ReleaseUnheld();
  Destroy();
}

void Tmain_velura::CreateActions() {
  ui::ActionList& actions = FormActions();
  for (const ToolWindowRow& row : tools_->Rows()) {
    const int id = row.button.actionId;
    actions.Add({.id = id,
                 .caption = std::u16string(row.button.caption),
                 .hint = std::u16string(row.button.caption),
                 .enabled = [this, id] { return tools_->CanOpen(id); },
                 .execute = [this, id] { ShowToolWindow(id); }});
  }
  actions.Add({.id = Action_etcBtn,
               .caption = std::u16string(kOtherButton.caption),
               .hint = std::u16string(kOtherButton.caption),
               .execute = [this] { Action_etcBtnExecute(); }});

  const bool admin = fonts_->Engine().IsAdmin;
  actions.Add({.id = AllClose_Window, .caption = u"すべての窓を閉じる", .execute = [this] { CloseAllWindows(); }});
  actions.Add({.id = ReadFontAllWin, .caption = u"すべてのフォントを読み直す", .execute = [this] { ReadFontAllWinClick(); }});
  actions.Add({.id = FNTCACHE_delete,
               .caption = u"フォントキャッシュ再構築（win2k,XPのみ有効）",
               .enabled = [admin] { return admin; },
               .execute = [this] { FNTCACHE_deleteClick(); }});
  actions.Add({.id = LOGFONT1, .caption = u"LOGFONT構造体リスト表示（フォント名のみ）", .execute = [this] { LOGFONT1Click(); }});
  actions.Add({.id = MenuItem_admin,
               .caption = u"管理者モード",
               .checked = [admin] { return admin; },
               .execute = [this] { MenuItem_adminClick(); }});
  actions.Add({.id = N3, .caption = u"設定", .execute = [this] { N3Click(); }});
  actions.Add({.id = About1, .caption = u"バージョン情報", .execute = [this] { About1Click(); }});
  actions.Add({.id = readme1, .caption = u"ヘルプ（readmeを読む）", .execute = [this] { readme1Click(); }});
  // The maintenance commands greyed without administrator rights ("フォントキャッシュ再構築") are no
  // status worth a line; the restart sits beside "管理者モード".
  const bool offersRestart =
      restart_ && OffersElevatedRestart(AdminOnlyCommands::Uninstall, ElevationFactsOf(fonts_->Engine()));
  if (offersRestart)
    actions.Add({.id = MenuItem_restartAdmin,
                 .caption = std::u16string(kRestartAsAdminCaption),
                 .execute = [this] { RestartAsAdministrator(); }});

  using ui::MenuEntry;
  std::vector<MenuEntry> entries = {MenuEntry::Item(AllClose_Window), MenuEntry::Separator(),
                                    MenuEntry::Item(ReadFontAllWin),  MenuEntry::Item(FNTCACHE_delete),
                                    MenuEntry::Item(LOGFONT1),        MenuEntry::Separator(),
                                    MenuEntry::Item(MenuItem_admin)};
  if (offersRestart) entries.push_back(MenuEntry::Item(MenuItem_restartAdmin));
  entries.insert(entries.end(), {MenuEntry::Item(N3), MenuEntry::Separator(), MenuEntry::Item(About1),
                                 MenuEntry::Item(readme1)});
  popupMenu_ = ui::BuildMenu(actions, entries, true);
}

void Tmain_velura::CreateComponents() {
  images_ = LauncherImages(Dpi());
  ui::dock::Item top;
  top.align = ui::dock::Align::Top;
  top.design.height = 50;
  std::vector<ui::ToolButton> buttons;
  for (const LauncherButton& button : buttons_) buttons.push_back({button.actionId, button.picture, L"", false});
  ui::Control& bar = ui::AddToolBar(*this, top, images_.Get(), buttons, SIZE{51, 50});
  toolBar_ = bar.hwnd;
  bar.onDpiChange = [this](int, int newDpi) {  // the strip drawn for the new DPI; the old one goes after
    ui::UniqueImageList images = LauncherImages(newDpi);
    SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Get()));
    images_ = std::move(images);
  };
  ui::Subclass(toolBar_, [this](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    if (message == WM_MOUSEMOVE) {
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const int index = static_cast<int>(SendMessageW(toolBar_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&at)));
      ToolButton_ShowLocalFormMouseMove(ButtonTagAt(buttons_, index));
    }
    return false;
  });

  ui::dock::Item bottom;
  bottom.align = ui::dock::Align::Bottom;
  bottom.design.height = 27;
  panelMessage_.Create(*this, bottom, ui::Bevel::Lowered);
  panelMessage_.SetCaption(L"フォントインストーラーVELURA");
  ui::Subclass(panelMessage_.Hwnd(), [this](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_MOUSEMOVE) ToolButton_ShowLocalFormMouseMove(0);
    return false;
  });
  Relayout();
}

void Tmain_velura::ToolButton_ShowLocalFormMouseMove(int tag) {
  const std::wstring hint = ToWide(HintTextForTag(buttons_, tag));
  if (ui::WindowText(panelMessage_.Hwnd()) != hint) panelMessage_.SetCaption(hint);
}

bool Tmain_velura::LoadInstalledFonts() {
  TProcedureClass& engine = fonts_->Engine();
  engine.Installed().Clear();
  LoadInstalledFromRegistry(engine.Loop(), engine.Installed(), engine.RegData(), engine.FontsFolder, splash_.get(),
                            nullptr);
  return engine.Installed().Count() >= 2;
}

bool Tmain_velura::FormShow() {
  bool started = false;
  for (int attempt = 0; attempt < 2 && !started; ++attempt) {
    started = LoadInstalledFonts();
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    SetWindowPos(Hwnd(), nullptr, workArea.left, workArea.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WindowPlace place(Hwnd());
    settings_.RestoreWindow(place, TWindowKind::Main);
    ApplyShortcutSettings();
    if (!started && attempt == 0) panelMessage_.SetCaption(ui::WindowText(panelMessage_.Hwnd()) + L" (r)");
  }
  splash_.reset();
  if (!started) {
    ShowMessage(kStartupFailed, u"VELURA", MessageIcon::Error);
    Destroy();
    return false;
  }
  Show(SW_SHOWNORMAL);
  groups_->ReportDamage();
  return true;
}

void Tmain_velura::ApplyShortcutSettings() {
  ShortcutCodes codes{};
  try {
    settings_.ReadShortcuts(codes);
  } catch (const UserError&) {
    ui::ReportCurrentException();  // the bad code is none; the others still apply
  }
  // A changed shortcut makes the form rebuild its accelerator table before the next key.
  for (const auto& [id, code] : ShortcutsByAction(buttons_, codes)) FormActions().SetShortcut(id, code);
}

void Tmain_velura::ShowMainWindow() {
  ShowWindow(Hwnd(), IsIconic(Hwnd()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(Hwnd());
}

void Tmain_velura::CloseAllWindows() {
  tools_->CloseAll();
  ShowMainWindow();
}

void Tmain_velura::OpenOneTimeWithFiles(std::vector<std::u16string> files) {
  tools_->Reopen(Action_ShowOneTimeInstForm, ToolWindowArgs{.files = std::move(files)});
}

void Tmain_velura::OpenOneTimeWithFolder(std::u16string folder) {
  tools_->Reopen(Action_ShowOneTimeInstForm, ToolWindowArgs{.folder = std::move(folder)});
}

void Tmain_velura::Action_etcBtnExecute() {
  RECT button{};
  SendMessageW(toolBar_, TB_GETITEMRECT, buttons_.size() - 1, reinterpret_cast<LPARAM>(&button));  // the last button
  POINT below{button.left, button.bottom};
  ClientToScreen(toolBar_, &below);
  ui::UpdateMenu(popupMenu_.Get(), FormActions());
  ui::ShowPopupMenu(Hwnd(), popupMenu_.Get(), below.x, below.y);
}

void Tmain_velura::ReadFontAllWinClick() {
  const auto answer = ShowMessage(MessageRequest{
      u"レジストリに書かれているフォントファイルをすべてリソースに登録します。\r\n（Windows起動時に読み込めなかったフォントの再登録を試みます）\r\n\r\n"
      u"実行後フォントインストーラーVELURAを終了します\r\n",
      u"再登録", MessageIcon::Warning, MessageButtons::OkCancel, 0});
  if (answer != MessageResult::Ok) return;
  fonts_->Engine().RegisterAllRegistryFonts();
  PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

void Tmain_velura::FNTCACHE_deleteClick() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::wstring cache = std::wstring(windows) + L"\\system32\\FNTCACHE.DAT";
  const auto answer = ShowMessage(MessageRequest{
      u"フォントキャッシュファイルを削除します。\r\n\r\n削除後、再起動するとフォントキャッシュは自動的に再構築され\r\n"
      u"文字化けやフォント関係の不具合が解決することがあります。\r\n\r\n削除を実行した後、WINDOWSを再起動する場合は「はい」\r\n"
      u"削除のみ実行する場合は「いいえ」\r\n操作をやめる場合は「キャンセル」\r\nを押してください",
      u"フォントキャッシュ再構築", MessageIcon::Question, MessageButtons::YesNoCancel, 2});  // Cancel: Enter deletes nothing
  if (answer == MessageResult::Cancel) return;
  if (!DeleteFileW(cache.c_str())) {
    ShowMessage(u"ファイルの削除に失敗しました", u"削除失敗", MessageIcon::Error);
    return;
  }
  if (answer == MessageResult::No) {
    ShowMessage(u"ファイルを削除しました。再起動してください", u"削除成功", MessageIcon::Information);
    return;
  }
  UniqueKernelHandle token;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Receive())) {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
      AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
  }
  ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0);
}

void Tmain_velura::LOGFONT1Click() {
  std::vector<std::wstring> names;
  EnumerateFamilyNames(names);
  TForm_Memo* list = ShowLogFontList(names);
  RECT launcher{}, window{};
  GetWindowRect(Hwnd(), &launcher);
  GetWindowRect(list->Hwnd(), &window);
  ui::MoveInsideWorkArea(list->Hwnd(), launcher.right - (window.right - window.left), launcher.bottom);
}

void Tmain_velura::N3Click() {
  RECT launcher{};
  GetWindowRect(Hwnd(), &launcher);
  SettingsDialogSite site{settings_, fonts_->Engine(), [this] { CloseAllWindows(); },
                          [this] { ApplyShortcutSettings(); }, [this] { PostMessageW(Hwnd(), WM_CLOSE, 0, 0); }};
  // Below the launcher, its left edge at the launcher's middle.
  RunSettingsDialog(Hwnd(), std::move(site), launcher.left + (launcher.right - launcher.left) / 2, launcher.bottom);
}

void Tmain_velura::RestartAsAdministrator() {
  if (!restart_) return;
  const ElevatedStartOutcome outcome = restart_->Start(Hwnd());
  if (EndsRunningCopy(outcome)) {
    PostMessageW(Hwnd(), WM_CLOSE, 0, 0);  // the normal close: every window stores its settings
    return;
  }
  if (const auto text = ElevatedStartFailureText(outcome, SystemErrorText(outcome.error)))
    ShowMessage(*text, u"VELURA", MessageIcon::Error);
}

void Tmain_velura::MenuItem_adminClick() {
  if (const auto note = AdminModeNote(KernelWindowsVersion(), ProcessIsElevated()))
    ShowMessage(*note, u"VELURA", MessageIcon::Information);
}

void Tmain_velura::About1Click() {
  if (versionOpen_) {
    version_->Show(SW_SHOWNORMAL);
    return;
  }
  RECT launcher{};
  GetWindowRect(Hwnd(), &launcher);
  version_ = new TForm_version(Hwnd(), launcher.right, launcher.bottom, [this] {
    versionOpen_ = false;
    version_ = nullptr;
  });
  versionOpen_ = true;
}

void Tmain_velura::readme1Click() {
  const std::u16string folder = ExecutableFolderFile(u"");
  if (GetFileAttributesW(AsWide(folder + u"readme.txt")) == INVALID_FILE_ATTRIBUTES) {
    ShowMessage(u"readme.txtがありません", u"VELURA", MessageIcon::Error);
    return;
  }
  ShellExecuteW(Hwnd(), L"open", L"readme.txt", nullptr, AsWide(folder), SW_SHOW);
}

void Tmain_velura::ShowTrayIcon() {
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = Hwnd();
  icon.uID = kTrayIconId;
  icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  icon.uCallbackMessage = kTrayMessage;
  icon.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  wcscpy(icon.szTip, L"フォントインストーラーVELURA");
  trayIconShown_ = Shell_NotifyIconW(NIM_ADD, &icon);
}

void Tmain_velura::ShellTrayIcon1DblClick() {
  if (tools_) tools_->ShowWithLauncher();
  ShowWindow(Hwnd(), SW_RESTORE);
  SetForegroundWindow(Hwnd());
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = Hwnd();
  icon.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &icon);
  trayIconShown_ = false;
}

LRESULT Tmain_velura::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE && wParam == SIZE_MINIMIZED) {
    // Without a notification area to come back from, the launcher stays on the taskbar instead.
    ShowTrayIcon();
    if (trayIconShown_) {
      ShowWindow(Hwnd(), SW_HIDE);
      if (tools_) tools_->HideWithLauncher();
    }
    return 0;
  }
  if (message == kTrayMessage) {
    switch (LOWORD(lParam)) {
      case WM_LBUTTONDBLCLK:
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        ShellTrayIcon1DblClick();
        break;
    }
    return 0;
  }
  if (message == WM_QUERYENDSESSION) return TRUE;
  if (message == WM_ENDSESSION) {
    if (wParam) EndSession();
    return 0;
  }
  if (message == kFreeDestroyedToolWindows) {
    if (tools_) tools_->FreeDestroyed();
    return 0;
  }
  if (message == WM_MOUSEMOVE) ToolButton_ShowLocalFormMouseMove(0);
  return Form::OnMessage(message, wParam, lParam);
}

void Tmain_velura::OnClose() {
  CloseAllWindows();
  WindowPlace place(Hwnd());
  settings_.StoreWindow(place, TWindowKind::Main);
  Destroy();
}

void Tmain_velura::OnDestroyed() { PostQuitMessage(0); }

void Tmain_velura::EndSession() {
  // The process may end as soon as this returns, before the message loop and the destructors run: the
  // close, the tool windows' destruction (a viewer writes its settings then) and the group file, now.
  if (IsWindow(Hwnd())) OnClose();
  tools_.reset();
  groups_.reset();
}

}  // namespace velura
