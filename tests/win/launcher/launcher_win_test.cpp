// The launcher as a user meets it: started with the real font machinery under Wine, driven by messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "settings/ini_profile_win.h"
#include "shell/main_velura_win.h"
#include "shell/program_entry_win.h"
#include "shell/launcher_rules.h"
#include "ui/browsers/form_local_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/message_loop_win.h"

namespace velura::testing {
namespace {

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = NewTempFolder(L"velura_launcher_test");
    previousSink_ = SetMessageSink([this](const MessageRequest& m) {
      messages.push_back(m);
      return MessageResult::Cancel;
    });
  }
  void TearDown() override {
    launcher.reset();
    MSG quit;  // the launcher ends the message loop when it goes; the next test starts afresh
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    settings.reset();
    SetMessageSink(previousSink_);
    RemoveFolderTree(folder_);
  }
  void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(section, key, value, (folder_ + L"\\velura_wd.ini").c_str());
  }
  Tmain_velura& Start() {
    settings = std::make_unique<TIniKeeper>(std::make_unique<PrivateProfileFile>(ToU16(folder_ + L"\\velura_wd.ini")));
    launcher = std::make_unique<Tmain_velura>(*settings);
    if (takeScreenshots) {
      PumpUntilIdle();
      SavePng(CaptureWindow(launcher->Splash()->Hwnd()), ScreenshotPath(L"splash.png"));
    }
    EXPECT_TRUE(launcher->FormShow());
    Pump();
    return *launcher;
  }
  static void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!ui::PreTranslate(message)) DispatchMessageW(&message);
    }
    ui::RunIdleUpdates();
  }

  std::wstring folder_;
  MessageSink previousSink_;
  std::vector<MessageRequest> messages;
  std::unique_ptr<TIniKeeper> settings;
  std::unique_ptr<Tmain_velura> launcher;
  bool takeScreenshots = false;
};

TEST_F(Launcher, StartsWithTheInstalledFontsAndTheDesignedWindow) {
  takeScreenshots = true;
  Tmain_velura& l = Start();
  PumpUntilIdle();
  const Picture picture = CaptureWindow(l.Hwnd());
  EXPECT_GT(picture.DistinctColours(), 8);
  SavePng(picture, ScreenshotPath(L"launcher.png"));
  EXPECT_GE(l.Fonts().Engine().Installed().Count(), 2);
  EXPECT_EQ(ui::WindowText(l.Hwnd()), L"フォントインストーラーVELURA");
  EXPECT_EQ(ui::WindowText(l.Panel_message().Hwnd()), L"フォントインストーラーVELURA");
  EXPECT_FALSE(GetWindowLongW(l.Hwnd(), GWL_STYLE) & WS_MAXIMIZEBOX);
  EXPECT_EQ(SendMessageW(l.ToolBar1(), TB_BUTTONCOUNT, 0, 0), 7);
  // Tool windows that do not exist yet keep their buttons disabled; the menu button works.
  EXPECT_FALSE(SendMessageW(l.ToolBar1(), TB_ISBUTTONENABLED, Action_ShowLocalForm, 0));
  EXPECT_TRUE(SendMessageW(l.ToolBar1(), TB_ISBUTTONENABLED, Action_etcBtn, 0));
  EXPECT_TRUE(messages.empty());
}

TEST_F(Launcher, HintLineFollowsTheButtonUnderTheMouse) {
  Tmain_velura& l = Start();
  for (int index = 0; index < 7; ++index) {
    RECT button{};
    SendMessageW(l.ToolBar1(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button));
    SendMessageW(l.ToolBar1(), WM_MOUSEMOVE, 0, MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2));
    const wchar_t* expected[] = {L"一時インストールの管理", L"未インストールフォント閲覧 : インストール",
                                 L"インストール済みフォント閲覧 : 削除", L"レジストリデータ・フォントフォルダビューアー＋",
                                 L"シンボルフォントビューアー", L"ユニコードビューアー", L"その他"};
    EXPECT_EQ(ui::WindowText(l.Panel_message().Hwnd()), expected[index]) << index;
  }
  SendMessageW(l.Panel_message().Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(ui::WindowText(l.Panel_message().Hwnd()), L"（表示の更新は各ウインドウを開き直してください）");
}

TEST_F(Launcher, MaintenanceMenuFollowsAdministratorMode) {
  Tmain_velura& l = Start();
  ui::UpdateMenu(l.PopupMenu1(), l.FormActions());
  const bool admin = l.Fonts().Engine().IsAdmin;
  const UINT cache = GetMenuState(l.PopupMenu1(), FNTCACHE_delete, MF_BYCOMMAND);
  EXPECT_EQ(!(cache & (MF_DISABLED | MF_GRAYED)), admin);
  EXPECT_EQ(!!(GetMenuState(l.PopupMenu1(), MenuItem_admin, MF_BYCOMMAND) & MF_CHECKED), admin);
  EXPECT_EQ(GetMenuItemCount(l.PopupMenu1()), 11);

  SendMessageW(l.Hwnd(), WM_COMMAND, MenuItem_admin, 0);  // Wine reports Windows 7: the note names it
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].Text.find(u"Windows7においては"), std::u16string::npos);

  SendMessageW(l.Hwnd(), WM_COMMAND, ReadFontAllWin, 0);  // answered Cancel: nothing happens
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].Caption, u"再登録");
  EXPECT_TRUE(IsWindow(l.Hwnd()));
}

TEST_F(Launcher, ShortcutsComeFromTheSettings) {
  WriteSetting(L"TShortCut", L"LocalView_btn", L"16460");  // Ctrl+L = 0x4000 + 'L'
  Tmain_velura& l = Start();
  EXPECT_EQ(l.FormActions().Find(Action_ShowLocalForm)->shortcut, 0x4000 + 'L');
  EXPECT_EQ(l.FormActions().Find(Action_ShowInstalledForm)->shortcut, 0);
}

TEST_F(Launcher, VersionDialogOpensOnceBelowRightOfTheLauncher) {
  Tmain_velura& l = Start();
  SendMessageW(l.Hwnd(), WM_COMMAND, About1, 0);
  ASSERT_TRUE(l.VersionOpen());
  HWND dialog = l.VersionDialog()->Hwnd();
  RECT launcherRect{}, dialogRect{};
  GetWindowRect(l.Hwnd(), &launcherRect);
  GetWindowRect(dialog, &dialogRect);
  EXPECT_EQ(dialogRect.left, launcherRect.right);
  EXPECT_EQ(dialogRect.top, launcherRect.bottom);
  SendMessageW(l.Hwnd(), WM_COMMAND, About1, 0);
  EXPECT_EQ(l.VersionDialog()->Hwnd(), dialog);
  SendMessageW(dialog, WM_CLOSE, 0, 0);
  Pump();
  EXPECT_FALSE(l.VersionOpen());
}

TEST_F(Launcher, MinimizingMovesToTheNotificationAreaWhenThereIsOne) {
  Tmain_velura& l = Start();
  SendMessageW(l.Hwnd(), WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_EQ(IsWindowVisible(l.Hwnd()), !l.TrayIconShown());  // never hidden without a way back
  if (!l.TrayIconShown()) return;
  SendMessageW(l.Hwnd(), WM_APP + 1, 1, WM_LBUTTONDBLCLK);
  EXPECT_FALSE(l.TrayIconShown());
  EXPECT_TRUE(IsWindowVisible(l.Hwnd()));
}

// A launcher whose installed-font list stays short for a given number of attempts.
class ShortListLauncher : public Tmain_velura {
 public:
  ShortListLauncher(TIniKeeper& settings, int failures) : Tmain_velura(settings), failures_(failures) {}
  std::vector<std::wstring> captions;  // the hint line at each attempt

 protected:
  bool LoadInstalledFonts() override {
    captions.push_back(ui::WindowText(Panel_message().Hwnd()));
    return static_cast<int>(captions.size()) > failures_;
  }

 private:
  int failures_;
};

TEST_F(Launcher, OneRetryMarkedInTheHintLineThenTheStartFails) {
  settings = std::make_unique<TIniKeeper>(std::make_unique<PrivateProfileFile>(ToU16(folder_ + L"\velura_wd.ini")));
  ShortListLauncher retried(*settings, 1);
  EXPECT_TRUE(retried.FormShow());
  ASSERT_EQ(retried.captions.size(), 2u);
  EXPECT_EQ(retried.captions[1], L"フォントインストーラーVELURA (r)");
  EXPECT_EQ(ui::WindowText(retried.Panel_message().Hwnd()), L"フォントインストーラーVELURA (r)");  // until the mouse moves
  EXPECT_TRUE(messages.empty());

  ShortListLauncher failing(*settings, 2);
  const HWND hwnd = failing.Hwnd();
  EXPECT_FALSE(failing.FormShow());
  EXPECT_EQ(failing.captions.size(), 2u);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, kStartupFailed);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(failing.Splash(), nullptr);  // released in every case
}

TEST_F(Launcher, TheBrowserButtonShowsOneWindowAtItsStoredPlace) {
  WriteSetting(L"LocalView", L"Enable", L"1");
  WriteSetting(L"LocalView", L"Top", L"40");
  WriteSetting(L"LocalView", L"Left", L"50");
  WriteSetting(L"LocalView", L"Width", L"700");
  WriteSetting(L"LocalView", L"Height", L"500");
  Tmain_velura& l = Start();
  Tform_local browser(l.Fonts().Engine(), *settings, [&l] { l.ShowMainWindow(); });
  l.AttachLocalForm(&browser);
  ui::RunIdleUpdates();
  EXPECT_TRUE(SendMessageW(l.ToolBar1(), TB_ISBUTTONENABLED, Action_ShowLocalForm, 0));
  SendMessageW(l.Hwnd(), WM_COMMAND, Action_ShowLocalForm, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(browser.Hwnd()));
  RECT place{};
  GetWindowRect(browser.Hwnd(), &place);
  EXPECT_EQ(place.left, 50);
  EXPECT_EQ(place.top, 40);
  EXPECT_EQ(place.right - place.left, 700);
  const HWND first = browser.Hwnd();
  SendMessageW(l.Hwnd(), WM_COMMAND, Action_ShowLocalForm, 0);
  EXPECT_EQ(browser.Hwnd(), first);  // the same window again
  l.AttachLocalForm(nullptr);
}

TEST(SingleInstance, ASecondCopyIsRefused) {
  std::vector<MessageRequest> messages;
  auto previous = SetMessageSink([&](const MessageRequest& m) {
    messages.push_back(m);
    return MessageResult::Ok;
  });
  HANDLE first = CreateMutexW(nullptr, FALSE, kInstanceMutex);
  EXPECT_EQ(RunVelura(), 0);
  CloseHandle(first);
  SetMessageSink(previous);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, u"すでに起動しています。");
  EXPECT_EQ(messages[0].Caption, u"VELURA");
}

}  // namespace
}  // namespace velura::testing
