// The launcher's "設定": the settings dialog opens modally below the launcher, OK applies the shortcuts to
// the buttons at once, and the reset of the window memory ends the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "launcher_fixture_win.h"

namespace velura::testing {
namespace {

// What a timer sees of the modal dialog while it runs, and the button it then clicks.
struct ModalVisit {
  static inline RECT place{};
  static inline bool seen = false;
  static inline std::wstring buttonText;  // empty: Enter (IDOK)

  static HWND FindButton(HWND dialog) {
    struct Search {
      const std::wstring* text;
      HWND found;
    } search{&buttonText, nullptr};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          if (ui::WindowText(child) != *s->text) return TRUE;
          s->found = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(nullptr, L"設定");
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    seen = true;
    GetWindowRect(dialog, &place);
    if (buttonText.empty()) PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    else if (const HWND button = FindButton(dialog)) PostMessageW(button, BM_CLICK, 0, 0);
  }
  static void Arm(std::wstring text) {
    seen = false;
    buttonText = std::move(text);
    SetTimer(nullptr, 0, 50, OnTimer);
  }
};

class LauncherSettings : public Launcher {
 protected:
  Tmain_velura& StartWithOwnPriorityFile() {
    Tmain_velura& l = Start();
    l.Fonts().Engine().PriorityFile = ToU16(folder_ / L"velura_c_rec.bin");
    return l;
  }
};

TEST_F(LauncherSettings, OpensBelowTheLauncherAndOkAppliesTheShortcutsAtOnce) {
  Tmain_velura& l = StartWithOwnPriorityFile();
  EXPECT_TRUE(l.FormActions().IsEnabled(N3));
  WriteSetting(L"TShortCut", L"RegView_btn", L"16466");  // Ctrl+R, stored after the launcher read its shortcuts
  ASSERT_EQ(l.FormActions().Find(Action_ShowRegForm)->shortcut, 0);
  RECT launcherPlace{};
  GetWindowRect(l.Hwnd(), &launcherPlace);

  ModalVisit::Arm(L"");
  l.FormActions().Execute(N3);
  ASSERT_TRUE(ModalVisit::seen);
  EXPECT_EQ(ModalVisit::place.top, launcherPlace.bottom);
  EXPECT_EQ(ModalVisit::place.left, launcherPlace.left + (launcherPlace.right - launcherPlace.left) / 2);
  EXPECT_EQ(l.FormActions().Find(Action_ShowRegForm)->shortcut, 0x4000 + 'R');
  EXPECT_TRUE(IsWindowEnabled(l.Hwnd()));
  EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherSettings, TheResetClearsTheSettingsAndClosesTheProgram) {
  WriteSetting(L"RegView", L"Enable", L"1");
  WriteSetting(L"Main", L"fsStayOnTop", L"1");
  Tmain_velura& l = StartWithOwnPriorityFile();
  const HWND launcherWindow = l.Hwnd();

  ModalVisit::Arm(L"ウインドウ位置とサイズの記憶情報を初期化する");
  l.FormActions().Execute(N3);
  Pump();
  ASSERT_TRUE(ModalVisit::seen);
  EXPECT_FALSE(IsWindow(launcherWindow));
  ASSERT_EQ(messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(messages[0].Text,
            u"ウインドウの位置とサイズの記憶情報を初期化しました\r\n終了しますので再度起動してください");
  // Only the launcher stored itself again on its way out.
  EXPECT_EQ(ReadSetting(L"RegView", L"Enable"), -1);
  EXPECT_EQ(ReadSetting(L"Main", L"fsStayOnTop"), -1);
  EXPECT_EQ(ReadSetting(L"Main", L"Enable"), -1);
  EXPECT_NE(ReadSetting(L"Main", L"Top"), -1);
}

}  // namespace
}  // namespace velura::testing
