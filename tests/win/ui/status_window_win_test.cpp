// The status window of the long operations, driven with real messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "ui/framework/dock_layout.h"
#include "ui/framework/message_loop_win.h"
#include "ui/longop/form_progress_win.h"
#include "ui/longop/form_status_bar_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::ChildRect;
using testing::PumpUntilIdle;
using testing::TestFrame;
using ui::dock::Scale;

std::wstring Text(HWND hwnd) { return ui::WindowText(hwnd); }

// How far the bar in a picture of `captured` is filled: the share of its middle row in the fill colour,
// which the bar's left end shows once anything is done.
double FilledShare(const testing::Picture& picture, HWND captured, HWND bar) {
  RECT client{};
  GetClientRect(bar, &client);
  const testing::Picture row = testing::Crop(picture, testing::AreaInCapture(captured, bar, client));
  const int y = row.height / 2;
  const std::uint32_t fill = row.pixels[static_cast<std::size_t>(y) * row.width + 4];
  int filled = 0;
  for (int x = 0; x < row.width; ++x) filled += row.pixels[static_cast<std::size_t>(y) * row.width + x] == fill;
  return static_cast<double>(filled) / row.width;
}

class StatusWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Hidden frames are enough: the guard disables hidden windows too, and showing a captioned frame
    // without a window manager costs seconds under Wine.
    ui::SetMainWindow(main.Hwnd());
    EnableWindow(disabledBefore.Hwnd(), FALSE);
    loop.StopRequested = false;
    PumpUntilIdle();
  }
  void TearDown() override {
    status.Close();
    ui::SetMainWindow(nullptr);
  }
  testing::MessageRecorder recorder;
  TestFrame main{L"main"};
  TestFrame other{L"other"};
  TestFrame disabledBefore{L"disabled before"};
  LoopContext loop;
  TForm_StatusBar status{loop};
};

TEST_F(StatusWindowTest, OpensAsTheDesignedToolWindowWithItsTexts) {
  status.Open(u"フォントを読み込み中...");
  ASSERT_TRUE(status.IsOpen());
  const HWND hwnd = status.Hwnd();
  EXPECT_EQ(Text(hwnd), L"VELURA");
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_FALSE(style & WS_SYSMENU);  // no border icons
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), main.Hwnd());
  RECT client{};
  GetClientRect(hwnd, &client);
  const int dpi = status.Dpi();
  EXPECT_EQ(client.right, Scale(293, dpi));
  EXPECT_EQ(client.bottom, Scale(125, dpi));

  EXPECT_EQ(Text(status.Label_Title->hwnd), L"フォントを読み込み中...");
  EXPECT_EQ(Text(status.Button_Terminate->hwnd), L"中止");
  EXPECT_EQ(Text(status.Label2->hwnd), L"/");
  EXPECT_EQ(Text(status.Label1->hwnd), L"このフォームが閉じるまで他の操作をしないでください");
  EXPECT_TRUE(GetWindowLongPtrW(status.Button_Terminate->hwnd, GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongPtrW(status.ProgressBar1->hwnd, GWL_STYLE) & PBS_SMOOTH);
  EXPECT_TRUE(GetWindowLongPtrW(status.Label_in->hwnd, GWL_STYLE) & SS_RIGHT);
}

TEST_F(StatusWindowTest, ComponentsSitAtTheirDesignedRectanglesScaledToTheDpi) {
  status.Open(u"x");
  PumpUntilIdle();
  const int dpi = status.Dpi();
  struct Expected {
    ui::Control* control;
    RECT design;  // left, top, width, height at 96 DPI
  } expected[] = {
      {status.Label_Title, {12, 4, 167, 15}},  {status.Label_in, {148, 21, 49, 15}},
      {status.Label2, {204, 21, 8, 15}},       {status.Label_total, {218, 21, 66, 15}},
      {status.ProgressBar1, {8, 40, 273, 17}}, {status.Button_Terminate, {104, 66, 75, 25}},
      {status.Label1, {8, 101, 269, 12}},
  };
  for (const Expected& e : expected) {
    const RECT r = ChildRect(e.control->hwnd);
    SCOPED_TRACE(testing::DumpChildRects(status.Hwnd()));
    EXPECT_EQ(r.left, Scale(e.design.left, dpi));
    EXPECT_EQ(r.top, Scale(e.design.top, dpi));
    EXPECT_EQ(r.right - r.left, Scale(e.design.right, dpi));
    EXPECT_EQ(r.bottom - r.top, Scale(e.design.bottom, dpi));
  }
}

TEST_F(StatusWindowTest, ClickOnTheStopButtonAndEscBothSetTheStopFlag) {
  status.Open(u"x");
  SendMessageW(status.Button_Terminate->hwnd, BM_CLICK, 0, 0);
  EXPECT_TRUE(loop.StopRequested);

  // Esc while a loop pumps: IsDialogMessageW turns it into the cancel button's click.
  loop.StopRequested = false;
  SetFocus(status.Button_Terminate->hwnd);
  PostMessageW(status.Button_Terminate->hwnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  status.ProcessMessages();
  EXPECT_TRUE(loop.StopRequested);

  // Alt+F4 reaches the window as WM_CLOSE: it stops the operation but leaves the window to its runner.
  loop.StopRequested = false;
  SendMessageW(status.Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(loop.StopRequested);
  EXPECT_TRUE(status.IsOpen());
}

TEST_F(StatusWindowTest, ProgressShowsTheCountsInTheLabelsAndTheBar) {
  status.Open(u"フォントをインストール中...");
  EXPECT_EQ(Text(status.Label_in->hwnd), L"");  // FormShow cleared both counters
  EXPECT_EQ(Text(status.Label_total->hwnd), L"");
  status.ResetDisplay();
  EXPECT_EQ(Text(status.Label_in->hwnd), L"0");
  status.BeginProgress(1234);
  EXPECT_EQ(Text(status.Label_in->hwnd), L"0");
  EXPECT_EQ(Text(status.Label_total->hwnd), L"1234");
  EXPECT_EQ(SendMessageW(status.ProgressBar1->hwnd, PBM_GETRANGE, FALSE, 0), 1234);
  EXPECT_EQ(SendMessageW(status.ProgressBar1->hwnd, PBM_GETPOS, 0, 0), 0);
  status.StepProgress(617);
  EXPECT_EQ(Text(status.Label_in->hwnd), L"617");
  EXPECT_EQ(SendMessageW(status.ProgressBar1->hwnd, PBM_GETPOS, 0, 0), 617);

  status.HideCounter();  // the print preparation
  EXPECT_FALSE(IsWindowVisible(status.Label_in->hwnd));
  EXPECT_FALSE(IsWindowVisible(status.Label2->hwnd));
  EXPECT_FALSE(IsWindowVisible(status.Label_total->hwnd));
  EXPECT_TRUE(IsWindowVisible(status.ProgressBar1->hwnd));
}

TEST_F(StatusWindowTest, EveryOtherWindowIsDisabledWhileOpenAndExactlyThoseAreEnabledAgain) {
  for (int run = 0; run < 2; ++run) {  // one object serves several runs
    SCOPED_TRACE(run);
    {
      ProgressScope scope(loop, status, u"フォントを削除中...");
      EXPECT_TRUE(IsWindowEnabled(status.Hwnd()));
      EXPECT_FALSE(IsWindowEnabled(main.Hwnd()));
      EXPECT_FALSE(IsWindowEnabled(other.Hwnd()));
      EXPECT_TRUE(ui::LongOperationRunning());
    }
    EXPECT_FALSE(status.IsOpen());
    EXPECT_TRUE(IsWindowEnabled(main.Hwnd()));
    EXPECT_TRUE(IsWindowEnabled(other.Hwnd()));
    EXPECT_FALSE(IsWindowEnabled(disabledBefore.Hwnd()));  // it was disabled by someone else
    EXPECT_FALSE(ui::LongOperationRunning());
  }
}

TEST_F(StatusWindowTest, ScopeClosesTheWindowWhenTheLoopThrows) {
  try {
    ProgressScope scope(loop, status, u"x");
    throw std::runtime_error("loop failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(status.IsOpen());
  EXPECT_TRUE(IsWindowEnabled(main.Hwnd()));
}

TEST_F(StatusWindowTest, QuitDuringTheLoopStopsItAndReachesTheMainLoopAfterwards) {
  status.Open(u"x");
  PostQuitMessage(7);
  status.ProcessMessages();
  EXPECT_TRUE(loop.StopRequested);
  status.ProcessMessages();  // the next file: still stopped, nothing lost
  status.Close();
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST_F(StatusWindowTest, ScreenshotDuringARunShowsTheJapaneseTexts) {
  status.Open(u"フォントを読み込み中...");
  status.BeginProgress(120);
  status.StepProgress(45);
  const testing::Picture picture = testing::CaptureWindow(status.Hwnd());
  EXPECT_TRUE(testing::SavePng(picture, testing::ScreenshotPath(L"status_window.png")));
  EXPECT_NEAR(FilledShare(picture, status.Hwnd(), status.ProgressBar1->hwnd), 45.0 / 120, 0.03);

  // The title in its designed font, not in the System font a control without WM_SETFONT falls back to.
  const ui::Control& title = *status.Label_Title;
  RECT client{};
  GetClientRect(title.hwnd, &client);
  const testing::Picture shown = testing::Crop(picture, testing::AreaInCapture(status.Hwnd(), title.hwnd, client));
  auto drawn = [&](HFONT font) {
    return testing::RenderText(client.right, client.bottom, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT),
                               font, 0, 0, L"フォントを読み込み中...");
  };
  EXPECT_EQ(testing::DifferingPixels(shown, drawn(status.FontHandle(title.font.value_or(status.Font())))), 0);
  EXPECT_GT(testing::DifferingPixels(shown, drawn(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)))), 100);
}

class ProgressWindowTest : public StatusWindowTest {
 protected:
  TForm_Progress progress;
};

TEST_F(ProgressWindowTest, HasNoCloseBoxAndKeepsOtherWindowsDisabledWhileOpen) {
  progress.Open();
  ASSERT_TRUE(progress.IsOpen());
  EXPECT_EQ(Text(progress.Hwnd()), L"フォントリソース開放中...");
  EXPECT_FALSE(GetWindowLongPtrW(progress.Hwnd(), GWL_STYLE) & WS_SYSMENU);
  EXPECT_FALSE(IsWindowEnabled(main.Hwnd()));
  const int dpi = progress.Dpi();
  RECT client{};
  GetClientRect(progress.Hwnd(), &client);
  EXPECT_EQ(client.right, Scale(305, dpi));
  EXPECT_EQ(client.bottom, Scale(25, dpi));
  const RECT bar = ChildRect(progress.ProgressBar1->hwnd);
  EXPECT_EQ(GetParent(progress.ProgressBar1->hwnd), progress.Panel1.Hwnd());
  EXPECT_EQ(bar.left, Scale(5, dpi));
  EXPECT_EQ(bar.top, Scale(5, dpi));
  EXPECT_EQ(bar.right - bar.left, Scale(294, dpi));
  EXPECT_EQ(bar.bottom - bar.top, Scale(16, dpi));

  progress.SetMaximum(10);
  progress.SetPosition(4);
  EXPECT_EQ(SendMessageW(progress.ProgressBar1->hwnd, PBM_GETPOS, 0, 0), 4);
  SendMessageW(progress.Hwnd(), WM_CLOSE, 0, 0);  // no way to close it but its owner's Close
  EXPECT_TRUE(progress.IsOpen());
  const testing::Picture picture = testing::CaptureWindow(progress.Hwnd());
  EXPECT_TRUE(testing::SavePng(picture, testing::ScreenshotPath(L"progress_window.png")));
  EXPECT_NEAR(FilledShare(picture, progress.Hwnd(), progress.ProgressBar1->hwnd), 0.4, 0.03);

  progress.Close();
  EXPECT_TRUE(IsWindowEnabled(main.Hwnd()));
  EXPECT_FALSE(IsWindowEnabled(disabledBefore.Hwnd()));
  progress.Open();  // again, as ReleaseAll does for every list
  EXPECT_TRUE(progress.IsOpen());
  progress.Close();
}

}  // namespace
}  // namespace velura
