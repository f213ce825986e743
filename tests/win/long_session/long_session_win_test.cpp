// A long session leaks nothing: every tool window opened and closed fifty times leaves the window system
// objects and the private memory where the first round left them (growth of at most 5 %). These windows are
// unmanaged X windows (the test prefix says so for this executable), so closing one does not wait for a
// window manager. Loading and releasing a folder of fonts again and again is not among the rounds: this
// Wine corrupts a process that adds, enumerates and removes public fonts more than once. Tried with the
// not-installed browser's own load and release (OpenFolder, then FormClose) over fonts generated with
// distinct families: in this executable (the program's manifest, unmanaged windows) the first release
// already never returns, with 2 fonts as with 300, the process idle (a WM_FONTCHANGE broadcast with a
// timeout changes nothing); in the browsers' executable (no manifest) 2 fonts go through three rounds,
// 300 block the same way in the first release.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "launcher/launcher_fixture_win.h"
#include "support/resource_usage_win.h"

namespace velura::testing {
namespace {

void ExpectFlat(const ResourceUsage& first, const ResourceUsage& last) {
  EXPECT_GT(first.gdiObjects, 0);
  EXPECT_GT(first.userObjects, 0);
  EXPECT_GT(first.privateBytes, 0u);
  EXPECT_LE(last.gdiObjects, first.gdiObjects + first.gdiObjects / 20) << "GDI objects";
  EXPECT_LE(last.userObjects, first.userObjects + first.userObjects / 20) << "USER objects";
  EXPECT_LE(last.privateBytes, first.privateBytes + first.privateBytes / 20) << "private bytes";
  std::printf("[long session] GDI %d -> %d, USER %d -> %d, private %zu KB -> %zu KB\n", first.gdiObjects,
              last.gdiObjects, first.userObjects, last.userObjects, first.privateBytes / 1024,
              last.privateBytes / 1024);
}

constexpr int kToolWindows[] = {Action_ShowLocalForm, Action_ShowInstalledForm, Action_ShowOneTimeInstForm,
                                Action_ShowRegForm,   Action_ShowSymbolForm,    Action_ShowUnicodeForm};

TEST_F(Launcher, FiftyRoundsOfEveryToolWindowLeaveNothingBehind) {
  Start();
  auto round = [&] {
    for (int action : kToolWindows) {
      SendMessageW(launcher->Hwnd(), WM_COMMAND, action, 0);
      Pump();
      ToolWindow* window = launcher->ToolWindows().Find(action);
      ASSERT_NE(window, nullptr) << action;
      SendMessageW(window->Hwnd(), WM_CLOSE, 0, 0);
      Pump();
    }
  };
  round();
  const ResourceUsage first = MeasureResourceUsage();
  for (int i = 1; i < 50; ++i) round();
  ExpectFlat(first, MeasureResourceUsage());
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace velura::testing
