// "管理者として再起動" from the launcher, with the shell's start stood in for: what it is given, and that only
// a started copy makes the running one close (as a normal exit, storing its place).
#include <windows.h>

#include <gtest/gtest.h>

#include "launcher_fixture_win.h"
#include "platform/executable_folder_win.h"
#include "platform/wide_win.h"
#include "shell/elevated_restart_win.h"
#include "shell/single_instance_win.h"

namespace velura::testing {
namespace {

struct ShellStart {
  BOOL result = FALSE;
  DWORD error = ERROR_CANCELLED;
  int calls = 0;
  std::wstring verb, file;
  bool parameters = true, directory = true;
  bool announced = false;  // the hand-over stood when the copy was started
  BOOL operator()(SHELLEXECUTEINFOW& info) {
    ++calls;
    verb = info.lpVerb ? info.lpVerb : L"";
    file = info.lpFile ? info.lpFile : L"";
    parameters = info.lpParameters != nullptr;
    directory = info.lpDirectory != nullptr;
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, kHandOverEvent);
    announced = event != nullptr;
    if (event) CloseHandle(event);
    SetLastError(error);
    return result;
  }
};

bool HandOverStands() {
  HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, kHandOverEvent);
  if (event) CloseHandle(event);
  return event != nullptr;
}

class ElevatedRestartFromLauncher : public Launcher {
 protected:
  Tmain_velura& StartWith(ElevatedRestart& restart) {
    launcher = std::make_unique<Tmain_velura>(OpenSettings(), StandardToolWindows(), folder_.U16(), &restart);
    EXPECT_TRUE(launcher->FormShow());
    Pump();
    return *launcher;
  }
};

TEST_F(ElevatedRestartFromLauncher, ACancelledOrFailedStartKeepsTheRunningCopy) {
  ShellStart shell;
  ElevatedRestart restart([&shell](SHELLEXECUTEINFOW& info) { return shell(info); });
  Tmain_velura& l = StartWith(restart);
  l.RestartAsAdministrator();
  Pump();
  EXPECT_EQ(shell.calls, 1);
  EXPECT_EQ(shell.verb, L"runas");
  EXPECT_EQ(shell.file, ToWide(ExecutablePath()));
  EXPECT_FALSE(shell.parameters);
  EXPECT_FALSE(shell.directory);
  EXPECT_TRUE(shell.announced);
  EXPECT_FALSE(HandOverStands());  // withdrawn
  EXPECT_TRUE(IsWindow(l.Hwnd()));
  EXPECT_TRUE(messages.empty()) << recorder.Describe();  // the user said no: nothing to tell

  shell.error = ERROR_FILE_NOT_FOUND;
  l.RestartAsAdministrator();
  Pump();
  EXPECT_TRUE(IsWindow(l.Hwnd()));
  EXPECT_FALSE(HandOverStands());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text.rfind(u"管理者として再起動できませんでした\r\n\r\n", 0), 0u) << recorder.Describe();
}

TEST_F(ElevatedRestartFromLauncher, AStartedCopyClosesTheRunningOneAsANormalExit) {
  ShellStart shell;
  shell.result = TRUE;
  shell.error = ERROR_SUCCESS;
  ElevatedRestart restart([&shell](SHELLEXECUTEINFOW& info) { return shell(info); });
  Tmain_velura& l = StartWith(restart);
  const HWND hwnd = l.Hwnd();
  SetWindowPos(hwnd, nullptr, 140, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  l.RestartAsAdministrator();
  Pump();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(restart.Announced());  // until the process ends, after the mutex
  EXPECT_EQ(ReadSetting(L"Main", L"Left"), 140);
  EXPECT_EQ(ReadSetting(L"Main", L"Top"), 130);
}

}  // namespace
}  // namespace velura::testing
