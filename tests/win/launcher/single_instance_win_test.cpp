// Two copies of velura.exe: the second says so and ends, the first keeps running.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace velura::testing {
namespace {

std::wstring ProgramPath() {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring folder = exe;
  folder.resize(folder.rfind(L'\\'));                // ...\build\win\tests
  return folder.substr(0, folder.rfind(L'\\')) + L"\\velura.exe";
}

struct Process {
  PROCESS_INFORMATION info{};
  bool Start(const std::wstring& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe + L"\"";
    return CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  }
  ~Process() {
    if (info.hProcess) {
      if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 1);
      CloseHandle(info.hProcess);
      CloseHandle(info.hThread);
    }
  }
};

struct Search {
  DWORD process;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  wchar_t name[64] = {}, text[128] = {};
  GetClassNameW(hwnd, name, 64);
  GetWindowTextW(hwnd, text, 128);
  if (owner == search.process && (!search.className || wcscmp(name, search.className) == 0) &&
      wcscmp(text, search.caption) == 0) {
    search.found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForWindow(DWORD process, const wchar_t* className, const wchar_t* caption) {
  for (int tries = 0; tries < 600; ++tries) {
    Search search{process, className, caption};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(100);
  }
  return nullptr;
}

TEST(SingleInstance, ASecondProcessSaysSoAndEnds) {
  const std::wstring exe = ProgramPath();
  ASSERT_NE(GetFileAttributesW(exe.c_str()), INVALID_FILE_ATTRIBUTES) << "velura.exe is built beside the tests";
  Process first;
  ASSERT_TRUE(first.Start(exe));
  HWND launcher = WaitForWindow(first.info.dwProcessId, nullptr, L"フォントインストーラーVELURA");
  ASSERT_NE(launcher, nullptr);

  Process second;
  ASSERT_TRUE(second.Start(exe));
  HWND box = WaitForWindow(second.info.dwProcessId, L"#32770", L"VELURA");
  ASSERT_NE(box, nullptr);
  wchar_t text[128] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 128);  // a message box's text control
  EXPECT_STREQ(text, L"すでに起動しています。");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForSingleObject(second.info.hProcess, 20000), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(first.info.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));  // the first runs on

  PostMessageW(launcher, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(first.info.hProcess, 20000), WAIT_OBJECT_0);
}

TEST(SingleInstance, ACopyStartedDuringAHandOverWaitsForTheOldOneInsteadOfRefusing) {
  const std::wstring exe = ProgramPath();
  // This process stands for the old copy: its mutex taken, the hand-over announced.
  HANDLE handOver = CreateEventW(nullptr, TRUE, FALSE, L"velura2_HANDOVER");
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"velura2_OPEN");
  Process next;
  ASSERT_TRUE(next.Start(exe));
  Sleep(1500);
  Search box{next.info.dwProcessId, L"#32770", L"VELURA"};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&box));
  EXPECT_EQ(box.found, nullptr) << "the new copy refused instead of waiting";
  CloseHandle(mutex);  // the old copy has closed: the mutex goes before the announcement
  HWND launcher = WaitForWindow(next.info.dwProcessId, nullptr, L"フォントインストーラーVELURA");
  CloseHandle(handOver);
  ASSERT_NE(launcher, nullptr);
  PostMessageW(launcher, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(next.info.hProcess, 20000), WAIT_OBJECT_0);
}

}  // namespace
}  // namespace velura::testing
