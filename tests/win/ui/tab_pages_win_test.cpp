// Tab pages as the settings dialog uses them: a panel per page over the tab's display area, switched by
// the tab headers, following layout and DPI, with Tab walking only the page in view.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/tab_pages_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::ChildRect;
using testing::TestFrame;
using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, hidden by the SDK for a Windows 7 target

// The tab's display area in its parent's client coordinates, as the tab control computes it.
RECT DisplayArea(HWND tab) {
  RECT area = ChildRect(tab);
  SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

bool Shown(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

class TabPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    before = &ui::AddButton(frame, L"前", At(10, 10, 80, 25));
    pages = &ui::AddTabPages(frame, At(10, 45, 380, 220, true),
                             {L"全般", L"表示", L"フォルダ", L"ショートカット", L"詳細"});
    after = &ui::AddButton(frame, L"後", At(310, 272, 80, 25));
    bold = &ui::AddCheckBox(pages->Page(1), L"太字で表示", At(10, 10, 150, 20));
    folder = &ui::AddEdit(pages->Page(2), L"C:\\Fonts", At(10, 10, 340, 22, true));
    frame.Relayout();
    pages->onPageChange = [this](int page) { reported.push_back(page); };
  }
  void ClickHeader(int index) {
    RECT header{};
    SendMessageW(pages->Tab().hwnd, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&header));
    const LPARAM at = MAKELPARAM((header.left + header.right) / 2, (header.top + header.bottom) / 2);
    SendMessageW(pages->Tab().hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(pages->Tab().hwnd, WM_LBUTTONUP, 0, at);
  }
  void ExpectOnlyShown(int index) {
    for (int page = 0; page < pages->PageCount(); ++page)
      EXPECT_EQ(Shown(pages->Page(page).Hwnd()), page == index) << page;
  }

  TestFrame frame{L"tabs", 400, 305};
  ui::TabPages* pages = nullptr;
  ui::Control *before = nullptr, *after = nullptr, *bold = nullptr, *folder = nullptr;
  std::vector<int> reported;
};

TEST_F(TabPagesTest, PagesCoverTheDisplayAreaAboveTheTabAndSwitchWithTheHeaders) {
  ASSERT_EQ(pages->PageCount(), 5);
  EXPECT_EQ(pages->SelectedPage(), 0);
  ExpectOnlyShown(0);
  const RECT area = DisplayArea(pages->Tab().hwnd);
  for (int page = 0; page < 5; ++page) EXPECT_TRUE(SameRect(ChildRect(pages->Page(page).Hwnd()), area)) << page;
  // The page, not the tab, is what the frame has at the middle of the display area.
  const POINT middle{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  EXPECT_EQ(ChildWindowFromPointEx(frame.Hwnd(), middle, CWP_SKIPINVISIBLE), pages->Page(0).Hwnd());

  ClickHeader(1);
  EXPECT_EQ(pages->SelectedPage(), 1);
  ExpectOnlyShown(1);
  EXPECT_EQ(reported, std::vector<int>{1});
  EXPECT_EQ(ChildWindowFromPointEx(frame.Hwnd(), middle, CWP_SKIPINVISIBLE), pages->Page(1).Hwnd());
  const int dpi = frame.Dpi();
  EXPECT_EQ(ChildRect(bold->hwnd).left, ui::dock::Scale(10, dpi));  // placed inside its page

  pages->SelectPage(4);  // by code: no report
  EXPECT_EQ(SendMessageW(pages->Tab().hwnd, TCM_GETCURSEL, 0, 0), 4);
  ExpectOnlyShown(4);
  EXPECT_EQ(reported, std::vector<int>{1});
  pages->SelectPage(7);  // no such page: nothing changes
  ExpectOnlyShown(4);
  EXPECT_THROW(pages->Page(5), std::out_of_range);
}

TEST_F(TabPagesTest, TabWalksThePageInViewThenTheHeaders) {
  pages->SelectPage(1);
  EXPECT_EQ(GetNextDlgTabItem(frame.Hwnd(), before->hwnd, FALSE), bold->hwnd);
  EXPECT_EQ(GetNextDlgTabItem(frame.Hwnd(), bold->hwnd, FALSE), pages->Tab().hwnd);
  EXPECT_EQ(GetNextDlgTabItem(frame.Hwnd(), pages->Tab().hwnd, FALSE), after->hwnd);
  pages->SelectPage(2);
  EXPECT_EQ(GetNextDlgTabItem(frame.Hwnd(), before->hwnd, FALSE), folder->hwnd);  // page 1's box is out of reach

  // The focus does not stay in a page that goes away.
  frame.Show(SW_SHOWNOACTIVATE);
  SetActiveWindow(frame.Hwnd());
  SetFocus(folder->hwnd);
  ASSERT_EQ(GetFocus(), folder->hwnd);
  ClickHeader(0);
  EXPECT_EQ(GetFocus(), pages->Tab().hwnd);
  ExpectOnlyShown(0);
}

TEST_F(TabPagesTest, PagesFollowTheFrameSizeAndItsDpi) {
  pages->SelectPage(2);
  const int dpi = frame.Dpi();
  const RECT edit = ChildRect(folder->hwnd);
  RECT frameRect{};
  GetWindowRect(frame.Hwnd(), &frameRect);
  SetWindowPos(frame.Hwnd(), nullptr, 0, 0, frameRect.right - frameRect.left + 100, frameRect.bottom - frameRect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(SameRect(ChildRect(pages->Page(2).Hwnd()), DisplayArea(pages->Tab().hwnd)));
  const RECT wider = ChildRect(folder->hwnd);
  EXPECT_EQ(wider.right - wider.left, edit.right - edit.left + 100);  // stretched with the page

  GetWindowRect(frame.Hwnd(), &frameRect);
  SendMessageW(frame.Hwnd(), kDpiChanged, MAKEWPARAM(dpi * 2, dpi * 2), reinterpret_cast<LPARAM>(&frameRect));
  SCOPED_TRACE(testing::DumpChildRects(frame.Hwnd()));
  EXPECT_TRUE(SameRect(ChildRect(pages->Page(2).Hwnd()), DisplayArea(pages->Tab().hwnd)));
  EXPECT_EQ(ChildRect(folder->hwnd).top, ui::dock::Scale(10, dpi * 2));
  EXPECT_EQ(pages->Page(2).Dpi(), dpi * 2);
}

// A settings-like dialog to look at: tabs with a check list, a grid and a spin edit on the pages.
TEST(TabPagesPicture, PagesPaintOverTheTab) {
  TestFrame frame(L"settings", 420, 300);
  ui::TabPages& pages = ui::AddTabPages(frame, Docked(Align::Client, 0), {L"全般", L"表示", L"一覧"});
  ui::Control& checks = ui::AddCheckList(pages.Page(0), At(10, 10, 200, 120));
  for (const wchar_t* text : {L"起動時に前回のフォルダを開く", L"サンプルを太字で表示", L"確認を表示"})
    ui::AddCheckListItem(checks, text, text[0] != L'確');
  ui::AddLabel(pages.Page(0), L"サンプルの大きさ", At(220, 12, 110, 18));
  ui::AddSpinEdit(pages.Page(0), At(220, 32, 70, 22), 6, 72, 18);
  ui::Control& grid = ui::AddGrid(pages.Page(0), At(10, 140, 380, 100, true), {{L"キー", 120}, {L"値", 200}});
  ui::AddGridRow(grid, {L"フォルダ", L"C:\\Windows\\Fonts"});
  frame.Show();
  frame.Relayout();
  testing::PumpUntilIdle();
  const testing::Picture picture = testing::CaptureWindow(frame.Hwnd());
  EXPECT_TRUE(testing::SavePng(picture, testing::ScreenshotPath(L"toolkit_tab_pages.png")));
  // The first page paints over the tab: its check list shows its lines, not the bare window colour.
  RECT list{};
  GetClientRect(checks.hwnd, &list);
  const testing::Picture area = testing::Crop(picture, testing::AreaInCapture(frame.Hwnd(), checks.hwnd, list));
  testing::Picture blank = area;
  std::fill(blank.pixels.begin(), blank.pixels.end(), testing::PixelOf(GetSysColor(COLOR_WINDOW)));
  EXPECT_GT(testing::DifferingPixels(area, blank), 200);
}

}  // namespace
}  // namespace velura
