// An administrator running without elevation: the browsers say why installing or uninstalling is greyed
// and offer "管理者として再起動"; anyone else sees neither.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/browser_fixture_win.h"
#include "support/pump_win.h"
#include "ui/browsers/form_installed_win.h"
#include "ui/browsers/form_local_win.h"

namespace velura::testing {
namespace {

std::wstring Hint(const ui::Control* bar) {
  if (!bar) return L"(no bar)";
  wchar_t text[256]{};
  SendMessageW(bar->hwnd, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

bool InMenu(HWND window, int id) { return GetMenuState(GetMenu(window), id, MF_BYCOMMAND) != static_cast<UINT>(-1); }

class ElevationOffer : public BrowserTest {
 protected:
  void SetUp() override {
    Engine().IsAdmin = false;
    Engine().WindowsBuild = 7601;  // no per-user install: installing is greyed too
  }
  std::function<void()> restart = [this] { ++restarts; };
  int restarts = 0;
};

TEST_F(ElevationOffer, BrowsersTellAndOfferOnlyWithoutElevation) {
  {
    TForm_Installed installed(Engine(), settings, {}, restart);
    Tform_local local(Engine(), settings, {}, restart);
    EXPECT_EQ(Hint(installed.ElevationHintBar), L"(no bar)");
    EXPECT_EQ(Hint(local.ElevationHintBar), L"(no bar)");
    EXPECT_FALSE(InMenu(installed.Hwnd(), TForm_Installed::Action_RestartAsAdmin));
    EXPECT_FALSE(InMenu(local.Hwnd(), Action_RestartAsAdmin));
  }
  Engine().AdminWithoutElevation = true;
  TForm_Installed installed(Engine(), settings, {}, restart);
  Tform_local local(Engine(), settings, {}, restart);
  PumpUntilIdle();
  EXPECT_EQ(Hint(installed.ElevationHintBar), L"アンインストールには管理者としての起動が必要です");
  EXPECT_EQ(Hint(local.ElevationHintBar), L"インストールには管理者としての起動が必要です");
  ASSERT_TRUE(InMenu(installed.Hwnd(), TForm_Installed::Action_RestartAsAdmin));
  ASSERT_TRUE(InMenu(local.Hwnd(), Action_RestartAsAdmin));

  SendMessageW(installed.Hwnd(), WM_COMMAND, MAKEWPARAM(TForm_Installed::Action_RestartAsAdmin, 0), 0);
  SendMessageW(local.Hwnd(), WM_COMMAND, MAKEWPARAM(Action_RestartAsAdmin, 0), 0);
  EXPECT_EQ(restarts, 2);
  // A click on the hint does the same.
  NMMOUSE click{};
  const HWND bar = installed.ElevationHintBar->hwnd;
  click.hdr = {bar, static_cast<UINT_PTR>(GetDlgCtrlID(bar)), static_cast<UINT>(NM_CLICK)};
  SendMessageW(GetParent(bar), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(restarts, 3);
}

}  // namespace
}  // namespace velura::testing
