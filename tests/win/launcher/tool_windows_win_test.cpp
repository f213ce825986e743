// The launcher's tool windows driven by its table: the windows not built yet stand in as small fake forms,
// so each rule of a row (start-up or on demand, one instance, stored place, below the launcher, close all)
// is exercised through the launcher's own buttons and messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>

#include "launcher_fixture_win.h"
#include "ui/framework/form_win.h"

namespace velura::testing {
namespace {

// A tool window standing in for one not built yet: placed at a designed top, destroyed when closed.
class FakeToolWindow : public ui::Form {
 public:
  FakeToolWindow(int designedTop, const ToolWindowArgs& args) : args(args) {
    // A tool window's frame is drawn by Wine itself: no wait for a window manager when shown.
    CreateForm(L"fake", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, 300, 200, nullptr, ui::Placement::Default);
    SetWindowPos(Hwnd(), nullptr, 100, designedTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ToolWindowArgs args;
};

struct FakeRow {
  int designedTop = 0;
  int created = 0;
  FakeToolWindow* last = nullptr;
};

class LauncherTools : public Launcher {
 protected:
  // The standard table, with a fake window for every on-demand row and every row that has no window yet:
  // the rules are the launcher's, whatever window a row opens.
  ToolWindowTable TableWithFakes() {
    ToolWindowTable table = StandardToolWindows();
    for (ToolWindowEntry& entry : table) {
      if (entry.factory && entry.row.creation == ToolCreation::AtStartUp) continue;
      FakeRow& fake = fakes[entry.row.button.actionId];
      entry.factory = [&fake](const ToolWindowSite&, const ToolWindowArgs& args) -> std::unique_ptr<ToolWindow> {
        auto form = std::make_unique<FakeToolWindow>(fake.designedTop, args);
        ++fake.created;
        fake.last = form.get();
        return std::make_unique<FormToolWindow<FakeToolWindow>>(std::move(form));
      };
    }
    return table;
  }
  HWND WindowOf(int actionId) {
    ToolWindow* window = launcher->ToolWindows().Find(actionId);
    return window ? window->Hwnd() : nullptr;
  }
  bool ButtonEnabled(int actionId) {
    ui::RunIdleUpdates();
    return SendMessageW(launcher->ToolBar1(), TB_ISBUTTONENABLED, actionId, 0) != 0;
  }
  void Press(int actionId) {
    SendMessageW(launcher->Hwnd(), WM_COMMAND, actionId, 0);
    Pump();
  }
  void StorePlace(const wchar_t* section, int left, int top, int width, int height) {
    WriteSetting(section, L"Enable", L"1");
    WriteSetting(section, L"Left", std::to_wstring(left).c_str());
    WriteSetting(section, L"Top", std::to_wstring(top).c_str());
    WriteSetting(section, L"Width", std::to_wstring(width).c_str());
    WriteSetting(section, L"Height", std::to_wstring(height).c_str());
  }
  static RECT PlaceOf(HWND hwnd) {
    RECT place{};
    GetWindowRect(hwnd, &place);
    return place;
  }

  std::map<int, FakeRow> fakes;
};

constexpr int kOnDemand[] = {Action_ShowOneTimeInstForm, Action_ShowRegForm, Action_ShowSymbolForm,
                             Action_ShowUnicodeForm};

TEST_F(LauncherTools, ARowWithoutItsWindowKeepsItsButtonDisabled) {
  ToolWindowTable table = StandardToolWindows();
  for (ToolWindowEntry& entry : table)
    if (entry.row.button.actionId == Action_ShowOneTimeInstForm) entry.factory = nullptr;
  Start(std::move(table));
  for (int id : {Action_ShowLocalForm, Action_etcBtn, Action_ShowUnicodeForm, Action_ShowRegForm,
                 Action_ShowInstalledForm})
    EXPECT_TRUE(ButtonEnabled(id)) << id;
  EXPECT_FALSE(ButtonEnabled(Action_ShowOneTimeInstForm));
  Press(Action_ShowOneTimeInstForm);  // a stray command for it does nothing
  EXPECT_EQ(WindowOf(Action_ShowOneTimeInstForm), nullptr);
  EXPECT_TRUE(messages.empty());
}

// The viewers built so far, opened by their own buttons: below the launcher, their place stored on close.
TEST_F(LauncherTools, EachViewerButtonOpensItsViewerBelowTheLauncher) {
  struct Viewer {
    int action;
    const wchar_t* caption;
    const wchar_t* section;
    int left;
  };
  const Viewer viewers[] = {{Action_ShowSymbolForm, L"シンボルフォントViewer", L"SymbolView", 230},
                            {Action_ShowRegForm, L"レジストリデータ・フォントフォルダViewer+", L"RegView", 210}};
  Start();
  RECT launcherPlace{};
  GetWindowRect(launcher->Hwnd(), &launcherPlace);
  for (const Viewer& v : viewers) {
    SCOPED_TRACE(::testing::Message() << "action " << v.action);
    EXPECT_TRUE(ButtonEnabled(v.action));
    Press(v.action);
    const HWND viewer = WindowOf(v.action);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(ui::WindowText(viewer), v.caption);
    EXPECT_TRUE(IsWindowVisible(viewer));
    EXPECT_GE(PlaceOf(viewer).top, launcherPlace.bottom - launcherPlace.top + 3);
    SetWindowPos(viewer, nullptr, v.left, 240, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(viewer, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(WindowOf(v.action), nullptr);
    EXPECT_EQ(ReadSetting(v.section, L"Left"), v.left);
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherTools, EveryButtonOpensItsWindow) {
  Start(TableWithFakes());
  // The start-up rows exist, hidden; the others wait for their buttons.
  ASSERT_NE(WindowOf(Action_ShowInstalledForm), nullptr);
  EXPECT_FALSE(IsWindowVisible(WindowOf(Action_ShowInstalledForm)));
  ASSERT_NE(WindowOf(Action_ShowLocalForm), nullptr);
  for (int id : kOnDemand) {
    if (const auto fake = fakes.find(id); fake != fakes.end()) {
      EXPECT_EQ(fake->second.created, 0) << id;
    }
  }

  for (int id : {Action_ShowOneTimeInstForm, Action_ShowLocalForm, Action_ShowInstalledForm, Action_ShowRegForm,
                 Action_ShowSymbolForm, Action_ShowUnicodeForm}) {
    EXPECT_TRUE(ButtonEnabled(id)) << id;
    Press(id);
    ASSERT_NE(WindowOf(id), nullptr) << id;
    EXPECT_TRUE(IsWindowVisible(WindowOf(id))) << id;
  }
  for (const auto& [id, fake] : fakes) EXPECT_EQ(fake.created, 1) << id;
}

TEST_F(LauncherTools, ASecondOpenShowsTheSameWindow) {
  Start(TableWithFakes());
  for (int id : {Action_ShowRegForm, Action_ShowInstalledForm}) {
    Press(id);
    const HWND first = WindowOf(id);
    ASSERT_NE(first, nullptr);
    ShowWindow(first, SW_HIDE);
    Press(id);
    EXPECT_EQ(WindowOf(id), first) << id;
    EXPECT_TRUE(IsWindowVisible(first)) << id;
    if (const auto fake = fakes.find(id); fake != fakes.end()) {
      EXPECT_EQ(fake->second.created, 1) << id;
    }
  }
}

TEST_F(LauncherTools, AfterItsCloseTheNextOpenCreatesAFreshWindowAtTheStoredPlace) {
  StorePlace(L"RegView", 310, 300, 400, 250);
  Start(TableWithFakes());
  Press(Action_ShowRegForm);
  const HWND first = WindowOf(Action_ShowRegForm);
  ASSERT_NE(first, nullptr);
  RECT place = PlaceOf(first);
  EXPECT_EQ(place.left, 310);
  EXPECT_EQ(place.top, 300);
  EXPECT_EQ(place.right - place.left, 400);

  // A second open does not put a moved window back: only a new one gets the stored place.
  SetWindowPos(first, nullptr, 120, 400, 500, 260, SWP_NOZORDER | SWP_NOACTIVATE);
  Press(Action_ShowRegForm);
  EXPECT_EQ(PlaceOf(first).left, 120);

  SendMessageW(first, WM_CLOSE, 0, 0);
  Pump();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(WindowOf(Action_ShowRegForm), nullptr);
  EXPECT_EQ(ReadSetting(L"RegView", L"Left"), 120);
  EXPECT_EQ(ReadSetting(L"RegView", L"Top"), 400);
  EXPECT_EQ(ReadSetting(L"RegView", L"Width"), 500);

  Press(Action_ShowRegForm);
  const HWND second = WindowOf(Action_ShowRegForm);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(fakes[Action_ShowRegForm].created, 2);
  place = PlaceOf(second);
  EXPECT_EQ(place.left, 120);
  EXPECT_EQ(place.top, 400);
  EXPECT_EQ(place.right - place.left, 500);
  EXPECT_EQ(place.bottom - place.top, 260);

  // Destroyed without a close (by its own code): still stored, still forgotten.
  SetWindowPos(second, nullptr, 140, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  DestroyWindow(second);
  Pump();
  EXPECT_EQ(WindowOf(Action_ShowRegForm), nullptr);
  EXPECT_EQ(ReadSetting(L"RegView", L"Left"), 140);
  Press(Action_ShowRegForm);
  EXPECT_EQ(fakes[Action_ShowRegForm].created, 3);
  EXPECT_EQ(PlaceOf(WindowOf(Action_ShowRegForm)).left, 140);
}

TEST_F(LauncherTools, ViewersOpenBelowTheLauncherInsteadOfOverIt) {
  for (int id : kOnDemand) fakes[id].designedTop = 0;
  fakes[Action_ShowSymbolForm].designedTop = 600;
  Start(TableWithFakes());
  RECT launcherPlace{};
  GetWindowRect(launcher->Hwnd(), &launcherPlace);
  const int below = launcherPlace.bottom - launcherPlace.top + 3;
  for (int id : kOnDemand) Press(id);
  EXPECT_EQ(PlaceOf(WindowOf(Action_ShowRegForm)).top, below);
  EXPECT_EQ(PlaceOf(WindowOf(Action_ShowUnicodeForm)).top, below);
  EXPECT_EQ(PlaceOf(WindowOf(Action_ShowSymbolForm)).top, 600);    // already below
  EXPECT_EQ(PlaceOf(WindowOf(Action_ShowOneTimeInstForm)).top, 0);  // not a viewer
}

TEST_F(LauncherTools, CloseAllClosesEveryWindowAndShowsTheLauncher) {
  StorePlace(L"InstalledView", 10, 20, 600, 400);
  Start(TableWithFakes());
  for (int id : {Action_ShowLocalForm, Action_ShowOneTimeInstForm, Action_ShowRegForm, Action_ShowUnicodeForm})
    Press(id);
  const HWND oneTime = WindowOf(Action_ShowOneTimeInstForm), reg = WindowOf(Action_ShowRegForm),
             unicode = WindowOf(Action_ShowUnicodeForm), local = WindowOf(Action_ShowLocalForm),
             installed = WindowOf(Action_ShowInstalledForm);
  SetWindowPos(local, nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(launcher->Hwnd(), SW_HIDE);

  Press(AllClose_Window);
  for (HWND gone : {oneTime, reg, unicode}) EXPECT_FALSE(IsWindow(gone));
  for (int id : kOnDemand) EXPECT_EQ(WindowOf(id), nullptr) << id;
  // The browsers stay, hidden, and come back on their buttons.
  EXPECT_EQ(WindowOf(Action_ShowLocalForm), local);
  EXPECT_FALSE(IsWindowVisible(local));
  EXPECT_EQ(WindowOf(Action_ShowInstalledForm), installed);
  EXPECT_TRUE(IsWindowVisible(launcher->Hwnd()));
  EXPECT_EQ(ReadSetting(L"LocalView", L"Left"), 33);
  // The installed browser was never shown: the place remembered for it stays.
  EXPECT_EQ(ReadSetting(L"InstalledView", L"Left"), 10);
  EXPECT_EQ(ReadSetting(L"InstalledView", L"Width"), 600);

  Press(Action_ShowRegForm);
  EXPECT_EQ(fakes[Action_ShowRegForm].created, 2);
  EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherTools, ClosingTheLauncherClosesTheToolWindowsFirst) {
  Start(TableWithFakes());
  Press(Action_ShowSymbolForm);
  const HWND symbol = WindowOf(Action_ShowSymbolForm);
  SetWindowPos(symbol, nullptr, 210, 220, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(launcher->Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(symbol));
  EXPECT_FALSE(IsWindow(launcher->Hwnd()));
  EXPECT_EQ(ReadSetting(L"SymbolView", L"Left"), 210);
  EXPECT_EQ(ReadSetting(L"SymbolView", L"Top"), 220);
}

// At sign-out or shut-down the process may end right after WM_ENDSESSION: everything a normal exit writes
// is written while it is handled.
TEST_F(LauncherTools, TheSessionEndWritesWhatTheExitWrites) {
  Start(TableWithFakes());
  Press(Action_ShowSymbolForm);
  const HWND symbol = WindowOf(Action_ShowSymbolForm);
  SetWindowPos(symbol, nullptr, 210, 220, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(launcher->Hwnd(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  launcher->GroupStore().Groups().AddGroup(nullptr, "A");  // saved at once
  const std::wstring groupFile = folder_ / L"veluragd.bin";
  EXPECT_NE(GetFileAttributesW(groupFile.c_str()), INVALID_FILE_ATTRIBUTES);

  EXPECT_EQ(SendMessageW(launcher->Hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(IsWindow(launcher->Hwnd()));
  SendMessageW(launcher->Hwnd(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(IsWindow(symbol));
  EXPECT_FALSE(IsWindow(launcher->Hwnd()));
  EXPECT_EQ(ReadSetting(L"SymbolView", L"Left"), 210);
  EXPECT_EQ(ReadSetting(L"Main", L"Left"), 40);
  EXPECT_EQ(ReadSetting(L"Main", L"Top"), 50);
  EXPECT_TRUE(messages.empty()) << messages.size();
}

TEST_F(LauncherTools, TheVisibleToolWindowsGoToTheNotificationAreaWithTheLauncher) {
  Start(TableWithFakes());
  Press(Action_ShowSymbolForm);
  Press(Action_ShowRegForm);
  const HWND symbol = WindowOf(Action_ShowSymbolForm), reg = WindowOf(Action_ShowRegForm),
             installed = WindowOf(Action_ShowInstalledForm);
  ShowWindow(reg, SW_HIDE);  // hidden before: stays hidden
  ASSERT_FALSE(IsWindowVisible(installed));

  SendMessageW(launcher->Hwnd(), WM_SIZE, SIZE_MINIMIZED, 0);
  ASSERT_TRUE(launcher->TrayIconShown()) << "this test needs a notification area";
  EXPECT_FALSE(IsWindowVisible(symbol));
  SendMessageW(launcher->Hwnd(), WM_APP + 1, 1, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(launcher->Hwnd()));
  EXPECT_TRUE(IsWindowVisible(symbol));
  EXPECT_FALSE(IsWindowVisible(reg));
  EXPECT_FALSE(IsWindowVisible(installed));
}

// A place stored on a monitor since removed (far beyond this screen) comes back onto the work area.
TEST_F(LauncherTools, AStoredPlaceOffEveryMonitorComesBackOntoTheWorkArea) {
  StorePlace(L"SymbolView", 5000, 4000, 300, 200);
  Start(TableWithFakes());
  Press(Action_ShowSymbolForm);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT place = PlaceOf(WindowOf(Action_ShowSymbolForm));
  EXPECT_GE(place.left, work.left);
  EXPECT_GE(place.top, work.top);
  EXPECT_LE(place.right, work.right);
  EXPECT_LE(place.bottom, work.bottom);
  EXPECT_EQ(place.right - place.left, 300);  // moved, not resized
}

TEST_F(LauncherTools, TheOneTimeWindowReopensWithFilesOrAFolder) {
  StorePlace(L"OneTimeInst", 150, 160, 420, 300);
  Start(TableWithFakes());
  Press(Action_ShowOneTimeInstForm);
  const HWND plain = WindowOf(Action_ShowOneTimeInstForm);
  ASSERT_NE(plain, nullptr);
  SetWindowPos(plain, nullptr, 170, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  launcher->OpenOneTimeWithFiles({u"C:\\fonts\\a.ttf", u"C:\\fonts\\b.otf"});
  Pump();
  EXPECT_FALSE(IsWindow(plain));
  const HWND withFiles = WindowOf(Action_ShowOneTimeInstForm);
  ASSERT_NE(withFiles, nullptr);
  FakeRow& fake = fakes[Action_ShowOneTimeInstForm];
  EXPECT_EQ(fake.created, 2);
  EXPECT_EQ(fake.last->args.files, (std::vector<std::u16string>{u"C:\\fonts\\a.ttf", u"C:\\fonts\\b.otf"}));
  EXPECT_TRUE(IsWindowVisible(withFiles));
  EXPECT_EQ(PlaceOf(withFiles).left, 170);  // where the closed one was left

  launcher->OpenOneTimeWithFolder(u"C:\\fonts");
  Pump();
  EXPECT_FALSE(IsWindow(withFiles));
  EXPECT_EQ(fake.created, 3);
  EXPECT_EQ(fake.last->args.folder, u"C:\\fonts");
  EXPECT_TRUE(fake.last->args.files.empty());
  Press(Action_ShowOneTimeInstForm);  // a plain open shows the one there is
  EXPECT_EQ(fake.created, 3);
}

bool TableHasKey(HACCEL table, WORD key, WORD command) {
  ACCEL entries[32];
  const int count = table ? CopyAcceleratorTableW(table, entries, 32) : 0;
  for (int i = 0; i < count; ++i)
    if (entries[i].key == key && entries[i].cmd == command) return true;
  return false;
}

TEST_F(LauncherTools, ShortcutsCanBeAppliedAgainAtAnyTime) {
  Tmain_velura& l = Start(TableWithFakes());
  // F5 on the launcher as the active window, through the program's own key handling.
  const auto pressF5 = [&] {
    SetActiveWindow(l.Hwnd());
    ASSERT_EQ(GetActiveWindow(), l.Hwnd());
    MSG key{l.Hwnd(), WM_KEYDOWN, VK_F5, 1, 0, {}};
    ui::PreTranslate(key);
    Pump();
  };
  pressF5();
  EXPECT_EQ(WindowOf(Action_ShowRegForm), nullptr);

  WriteSetting(L"TShortCut", L"RegView_btn", L"116");  // F5
  pressF5();
  EXPECT_EQ(WindowOf(Action_ShowRegForm), nullptr);  // the settings are read only when told
  l.ApplyShortcutSettings();
  EXPECT_EQ(l.FormActions().Find(Action_ShowRegForm)->shortcut, VK_F5);
  EXPECT_TRUE(TableHasKey(l.Accelerators(), VK_F5, Action_ShowRegForm));
  pressF5();
  ASSERT_NE(WindowOf(Action_ShowRegForm), nullptr);
  EXPECT_TRUE(IsWindowVisible(WindowOf(Action_ShowRegForm)));

  // Moved to another button, then taken away.
  WriteSetting(L"TShortCut", L"RegView_btn", L"0");
  WriteSetting(L"TShortCut", L"SymbolView_btn", L"116");
  l.ApplyShortcutSettings();
  EXPECT_FALSE(TableHasKey(l.Accelerators(), VK_F5, Action_ShowRegForm));
  EXPECT_TRUE(TableHasKey(l.Accelerators(), VK_F5, Action_ShowSymbolForm));
  pressF5();
  ASSERT_NE(WindowOf(Action_ShowSymbolForm), nullptr);
  SendMessageW(WindowOf(Action_ShowSymbolForm), WM_CLOSE, 0, 0);

  WriteSetting(L"TShortCut", L"SymbolView_btn", L"0");
  l.ApplyShortcutSettings();
  EXPECT_EQ(l.Accelerators(), nullptr);
  pressF5();
  EXPECT_EQ(WindowOf(Action_ShowSymbolForm), nullptr);
  EXPECT_EQ(fakes[Action_ShowSymbolForm].created, 1);
}

TEST_F(LauncherTools, AShortcutOutOfRangeIsReportedAndTheStartGoesOn) {
  WriteSetting(L"TShortCut", L"LocalView_btn", L"16460");   // Ctrl+L
  WriteSetting(L"TShortCut", L"InstalledView_btn", L"70000");
  WriteSetting(L"TShortCut", L"RegView_btn", L"116");
  Tmain_velura& l = Start();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].Text.find(u"ショートカットキーの設定値が範囲外です"), std::u16string::npos);
  EXPECT_NE(messages[0].Text.find(u"InstalledView_btn=70000"), std::u16string::npos);
  EXPECT_TRUE(IsWindowVisible(l.Hwnd()));
  EXPECT_EQ(l.FormActions().Find(Action_ShowLocalForm)->shortcut, 16460);
  EXPECT_EQ(l.FormActions().Find(Action_ShowInstalledForm)->shortcut, 0);
  EXPECT_EQ(l.FormActions().Find(Action_ShowRegForm)->shortcut, 116);  // read after the bad one
}


// The installed browser of the standard table: created hidden with the launcher, opened by its shortcut,
// only hidden by its close, which stores its place.
TEST_F(LauncherTools, TheInstalledBrowserOpensByItsShortcutAndStoresItsPlaceOnClose) {
  WriteSetting(L"TShortCut", L"InstalledView_btn", L"117");  // F6
  Tmain_velura& l = Start();
  const HWND browser = WindowOf(Action_ShowInstalledForm);
  ASSERT_NE(browser, nullptr);
  EXPECT_FALSE(IsWindowVisible(browser));
  EXPECT_TRUE(ButtonEnabled(Action_ShowInstalledForm));
  EXPECT_TRUE(TableHasKey(l.Accelerators(), VK_F6, Action_ShowInstalledForm));
  SetActiveWindow(l.Hwnd());
  MSG key{l.Hwnd(), WM_KEYDOWN, VK_F6, 1, 0, {}};
  ui::PreTranslate(key);
  Pump();
  EXPECT_TRUE(IsWindowVisible(browser));
  EXPECT_EQ(ui::WindowText(browser), L"インストール済みフォント");
  SetWindowPos(browser, nullptr, 140, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(browser, WM_CLOSE, 0, 0);
  Pump();
  EXPECT_TRUE(IsWindow(browser));
  EXPECT_FALSE(IsWindowVisible(browser));
  EXPECT_EQ(ReadSetting(L"InstalledView", L"Left"), 140);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace velura::testing
