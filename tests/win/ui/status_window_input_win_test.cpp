// The status window takes only the input given to it: keys and clicks queued before it appeared were meant
// for the window the user worked in and must not stop the operation.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/framework/message_loop_win.h"
#include "ui/longop/form_status_bar_win.h"
#include "support/screenshot_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::PumpUntilIdle;
using testing::TestFrame;

constexpr LPARAM kReturnDown = 0x001C0001;        // scan code 0x1C, first press
constexpr LPARAM kReturnRepeat = 0x401C0001;      // bit 30: the key was down already
constexpr LPARAM kReturnUp = static_cast<LPARAM>(0xC01C0001);

void PostReturn(HWND to, LPARAM down = kReturnDown) {
  PostMessageW(to, WM_KEYDOWN, VK_RETURN, down);
  PostMessageW(to, WM_CHAR, L'\r', down);
  PostMessageW(to, WM_KEYUP, VK_RETURN, kReturnUp);
}

void PostClick(HWND to) {
  PostMessageW(to, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(to, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

// Input already queued when the status window comes up: keyboard input goes to whatever has the focus
// when it is taken from the queue, and Open gives the focus to "中止". The hook queues Return and a click
// for the button at that moment, as the arrow keys' Return or a double click's second click would be.
HHOOK queueHook = nullptr;
LRESULT CALLBACK QueueInputForTheStopButton(int code, WPARAM wParam, LPARAM lParam) {
  try {
    const auto gaining = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_SETFOCUS && gaining && ui::WindowText(gaining) == L"中止") {
      PostReturn(gaining);
      PostClick(gaining);
    }
  } catch (...) {
    ADD_FAILURE() << "the focus hook threw";
  }
  return CallNextHookEx(queueHook, code, wParam, lParam);
}

class StatusWindowInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::SetMainWindow(main.Hwnd());
    loop.StopRequested = false;
    PumpUntilIdle();
  }
  void TearDown() override {
    if (queueHook) UnhookWindowsHookEx(queueHook);
    queueHook = nullptr;
    status.Close();
    ui::SetMainWindow(nullptr);
  }
  // A loop as the long operations run it: the flag cleared after the window opened, one pump per file.
  bool RunFiles(int files, const std::function<void(int)>& duringFile = {}) {
    ProgressScope scope(loop, status, u"フォントを読み込み中...");
    loop.StopRequested = false;
    for (int i = 0; i < files; ++i) {
      if (duringFile) duringFile(i);
      status.ProcessMessages();
      if (loop.StopRequested) return false;
    }
    return true;
  }
  HWND StopButton() const { return status.Button_Terminate->hwnd; }

  testing::MessageRecorder recorder;
  TestFrame main{L"main"};
  LoopContext loop;
  TForm_StatusBar status{loop};
};

TEST_F(StatusWindowInput, ReturnAndAClickQueuedBeforeTheWindowAppearedDoNotStopTheRun) {
  queueHook = SetWindowsHookExW(WH_CBT, QueueInputForTheStopButton, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(queueHook);
  EXPECT_TRUE(RunFiles(3));
  UnhookWindowsHookEx(queueHook);
  queueHook = nullptr;

  // The next run starts clean as well, and nothing of the first is left over.
  EXPECT_TRUE(RunFiles(3));
}

TEST_F(StatusWindowInput, AClickEscOrAFreshReturnAfterTheWindowAppearedStops) {
  EXPECT_FALSE(RunFiles(5, [&](int file) {
    if (file == 2) PostClick(StopButton());
  }));
  EXPECT_FALSE(RunFiles(5, [&](int file) {
    if (file == 1) PostMessageW(StopButton(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  }));
  EXPECT_FALSE(RunFiles(5, [&](int file) {
    if (file == 1) PostReturn(StopButton());
  }));
}

TEST_F(StatusWindowInput, AKeyHeldSinceBeforeTheWindowAppearedRepeatsWithoutStopping) {
  // Return went down before the window came up and is still held: only its repeats and its release arrive.
  EXPECT_TRUE(RunFiles(4, [&](int file) {
    if (file == 0 || file == 1) PostMessageW(StopButton(), WM_KEYDOWN, VK_RETURN, kReturnRepeat);
    if (file == 2) PostMessageW(StopButton(), WM_KEYUP, VK_RETURN, kReturnUp);
  }));
  // Pressed again after that: a real press.
  EXPECT_FALSE(RunFiles(4, [&](int file) {
    if (file == 1) PostReturn(StopButton());
  }));
}

}  // namespace
}  // namespace velura
