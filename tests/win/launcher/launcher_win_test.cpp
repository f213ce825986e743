// The launcher as a user meets it: started with the real font machinery under Wine, driven by messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "launcher_fixture_win.h"
#include "support/dpi_change_win.h"
#include "support/picture_regions_win.h"
#include "platform/message_box_win.h"
#include "shell/launcher_rules.h"
#include "shell/program_entry_win.h"
#include "ui/browsers/form_local_win.h"
#include "ui/framework/menu_win.h"

namespace velura::testing {
namespace {

TEST_F(Launcher, StartsWithTheInstalledFontsAndTheDesignedWindow) {
  takeScreenshots = true;
  Tmain_velura& l = Start();
  PumpUntilIdle();
  const Picture picture = CaptureWindow(l.Hwnd());
  SavePng(picture, ScreenshotPath(L"launcher.png"));
  // Each button shows its own picture: no two button areas of the capture are alike.
  std::vector<Picture> buttons;
  for (int index = 0; index < 7; ++index) {
    RECT button{};
    SendMessageW(l.ToolBar1(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button));
    buttons.push_back(Crop(picture, AreaInCapture(l.Hwnd(), l.ToolBar1(), button)));
  }
  for (std::size_t a = 0; a < buttons.size(); ++a)
    for (std::size_t b = a + 1; b < buttons.size(); ++b)
      EXPECT_GT(DifferingPixels(buttons[a], buttons[b]), 100) << "buttons " << a << " and " << b;
  EXPECT_GE(l.Fonts().Engine().Installed().Count(), 2);
  EXPECT_EQ(ui::WindowText(l.Hwnd()), L"フォントインストーラーVELURA");
  EXPECT_EQ(ui::WindowText(l.Panel_message().Hwnd()), L"フォントインストーラーVELURA");
  EXPECT_FALSE(GetWindowLongW(l.Hwnd(), GWL_STYLE) & WS_MAXIMIZEBOX);
  EXPECT_EQ(SendMessageW(l.ToolBar1(), TB_BUTTONCOUNT, 0, 0), 7);
  EXPECT_TRUE(messages.empty());
}

// The size of the pictures the tool bar draws, read from the image list it holds.
int ToolPictureSize(HWND toolBar) {
  int width = 0, height = 0;
  ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(toolBar, TB_GETIMAGELIST, 0, 0)), &width, &height);
  EXPECT_EQ(width, height);
  return width;
}

TEST_F(Launcher, ToolPicturesComeFromTheDoubleStripWhereTheButtonsHoldThem) {
  Tmain_velura& l = Start();
  EXPECT_EQ(ToolPictureSize(l.ToolBar1()), l.Dpi() >= 192 ? 84 : 42);
  ChangeDpi(l.Hwnd(), 144);
  EXPECT_EQ(ToolPictureSize(l.ToolBar1()), 42);  // 76 x 75 buttons
  ChangeDpi(l.Hwnd(), 192);
  EXPECT_EQ(ToolPictureSize(l.ToolBar1()), 84);
  EXPECT_EQ(ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(SendMessageW(l.ToolBar1(), TB_GETIMAGELIST, 0, 0))), 7);
  ChangeDpi(l.Hwnd(), 96);
  EXPECT_EQ(ToolPictureSize(l.ToolBar1()), 42);
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

  // Past the last button the tool bar reports no button: the idle hint again.
  RECT bar{}, last{};
  GetClientRect(l.ToolBar1(), &bar);
  SendMessageW(l.ToolBar1(), TB_GETITEMRECT, 6, reinterpret_cast<LPARAM>(&last));
  ASSERT_LT(last.right + 2, bar.right);
  SendMessageW(l.ToolBar1(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(ui::WindowText(l.Panel_message().Hwnd()), L"一時インストールの管理");
  SendMessageW(l.ToolBar1(), WM_MOUSEMOVE, 0, MAKELPARAM(last.right + 2, 5));
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

TEST_F(Launcher, TheFontCacheQuestionDefaultsToCancel) {
  Tmain_velura& l = Start();
  if (!l.Fonts().Engine().IsAdmin) GTEST_SKIP() << "the command needs administrator rights";
  SendMessageW(l.Hwnd(), WM_COMMAND, FNTCACHE_delete, 0);  // answered Cancel: nothing is deleted
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Caption, u"フォントキャッシュ再構築");
  EXPECT_EQ(messages[0].DefaultButton, 2);
  // MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3: a stray Enter never deletes the system's file.
  EXPECT_EQ(MessageBoxFlags(messages[0]), 0x223u);
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
  ShortListLauncher retried(OpenSettings(), 1);
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
  // Created with the launcher, hidden until its button is pressed.
  ToolWindow* browser = l.ToolWindows().Find(Action_ShowLocalForm);
  ASSERT_NE(browser, nullptr);
  EXPECT_FALSE(IsWindowVisible(browser->Hwnd()));
  EXPECT_TRUE(SendMessageW(l.ToolBar1(), TB_ISBUTTONENABLED, Action_ShowLocalForm, 0));
  SendMessageW(l.Hwnd(), WM_COMMAND, Action_ShowLocalForm, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(browser->Hwnd()));
  RECT place{};
  GetWindowRect(browser->Hwnd(), &place);
  EXPECT_EQ(place.left, 50);
  EXPECT_EQ(place.top, 40);
  EXPECT_EQ(place.right - place.left, 700);
  const HWND first = browser->Hwnd();

  // Moved, then opened again while visible: the same window, back at its stored place.
  SetWindowPos(first, nullptr, 90, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(l.Hwnd(), WM_COMMAND, Action_ShowLocalForm, 0);
  EXPECT_EQ(l.ToolWindows().Find(Action_ShowLocalForm), browser);
  EXPECT_EQ(browser->Hwnd(), first);
  GetWindowRect(first, &place);
  EXPECT_EQ(place.left, 50);

  // Closing only hides it and stores where it was.
  SetWindowPos(first, nullptr, 120, 110, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(first, WM_CLOSE, 0, 0);
  Pump();
  EXPECT_TRUE(IsWindow(first));
  EXPECT_FALSE(IsWindowVisible(first));
  EXPECT_EQ(ReadSetting(L"LocalView", L"Left"), 120);
  EXPECT_EQ(ReadSetting(L"LocalView", L"Top"), 110);
}

TEST(SingleInstance, ASecondCopyIsRefused) {
  MessageRecorder recorder;
  HANDLE first = CreateMutexW(nullptr, FALSE, kInstanceMutex);
  EXPECT_EQ(RunVelura(), 0);
  CloseHandle(first);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].Text, u"すでに起動しています。");
  EXPECT_EQ(recorder.messages[0].Caption, u"VELURA");
}

}  // namespace
}  // namespace velura::testing
