// The favourites dialog and the enlarged view, driven as a user drives them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "charview_fixture_win.h"
#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "support/dialog_answer_win.h"
#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "ui/charview/form_uni_big_view_win.h"
#include "ui/charview/form_uni_user_items_win.h"
#include "ui/charview/unicode_blocks.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/list_controls_win.h"

namespace velura::testing {
namespace {

class FavouritesDialog : public CharviewTest {
 protected:
  static TUserItems FourFilled() {
    TUserItems slots;
    slots[0] = {50, u"かな"};
    slots[1] = {51, u"カナ"};
    slots[2] = {0, u"ascii"};
    slots[3] = {72, u"特殊"};
    return slots;
  }
  static std::wstring Cell(const TForm_UniUserItems& dialog, int row, int column) {
    return ui::GridCell(*dialog.StringGrid1, row, column);
  }
  // What a click on a row does to the list view: the row becomes the selected one (LVN_ITEMCHANGED).
  static void ClickRow(TForm_UniUserItems& dialog, int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(dialog.StringGrid1->hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&state));
  }
};

TEST_F(FavouritesDialog, LoadsTheSlotsAsRows) {
  TForm_UniUserItems dialog(nullptr, FourFilled(), 50);
  EXPECT_EQ(ui::WindowText(dialog.Hwnd()), L"お気に入りの管理");
  ASSERT_EQ(ui::GridRowCount(*dialog.StringGrid1), 10);
  EXPECT_EQ(Cell(dialog, 0, 0), L"1");
  EXPECT_EQ(Cell(dialog, 0, 1), L"50");
  EXPECT_EQ(Cell(dialog, 0, 2), L"Hiragana");
  EXPECT_EQ(Cell(dialog, 0, 3), L"かな");
  EXPECT_EQ(Cell(dialog, 9, 0), L"10");
  EXPECT_EQ(Cell(dialog, 9, 1), L"");
  EXPECT_EQ(ui::WindowText(dialog.Label_blockName->hwnd), L"Hiragana");
  EXPECT_EQ(ui::WindowText(dialog.Edit_UserStr->hwnd), L"かな");
  EXPECT_GE(SendMessageW(dialog.StringGrid1->hwnd, LVM_GETCOUNTPERPAGE, 0, 0), 10);  // every row in view
  EXPECT_EQ(ui::ComboItemCount(*dialog.ComboBox_BlockStr), ViewerBlockCount());
  EXPECT_EQ(ui::ComboSelectedIndex(*dialog.ComboBox_BlockStr), 50);
  // Editing the description writes the row's cell.
  ClickRow(dialog, 1);
  EXPECT_EQ(dialog.CurrentRow(), 1);
  EXPECT_EQ(ui::WindowText(dialog.Edit_UserStr->hwnd), L"カナ");
  SetWindowTextW(dialog.Edit_UserStr->hwnd, L"かたかな");
  EXPECT_EQ(Cell(dialog, 1, 3), L"かたかな");
}

TEST_F(FavouritesDialog, RefusesADuplicateEvenOnItsOwnRow) {
  TForm_UniUserItems dialog(nullptr, FourFilled(), 50);
  Click(*dialog.Button_Add);  // row 1 holds Hiragana already
  ASSERT_EQ(Recorder().messages.size(), 1u) << Recorder().Describe();
  EXPECT_EQ(Recorder().messages[0].Text, u"重複登録はできません");
  EXPECT_EQ(Cell(dialog, 0, 1), L"50");
  dialog.SelectRow(5);
  ui::SetComboSelectedIndex(*dialog.ComboBox_BlockStr, 101);
  Click(*dialog.Button_Add);
  EXPECT_EQ(Cell(dialog, 5, 1), L"101");
  EXPECT_EQ(Cell(dialog, 5, 2), L"Low Surrogate Area");
  EXPECT_EQ(ui::WindowText(dialog.Label_blockName->hwnd), L"Low Surrogate Area");
}

TEST_F(FavouritesDialog, OkAfterDeletingRowThreePacksTheRest) {
  TUserItems slots = FourFilled();
  {
    auto answer = AnswerNextDialog(L"お気に入りの管理", IDOK);
    TForm_UniUserItems dialog(nullptr, slots, 0);
    dialog.SelectRow(2);
    Click(*dialog.Button_Del);
    EXPECT_EQ(Cell(dialog, 2, 0), L"3");
    EXPECT_EQ(Cell(dialog, 2, 1), L"");
    dialog.SelectRow(7);
    SetWindowTextW(dialog.Edit_UserStr->hwnd, L"消える");  // a row without a block
    Click(*dialog.BitBtn1);
    ASSERT_EQ(dialog.ShowModal(), IDOK);
    slots = dialog.Table().ToSlots();
  }
  EXPECT_EQ(slots[0], (TUserItem{50, u"かな"}));
  EXPECT_EQ(slots[1], (TUserItem{51, u"カナ"}));
  EXPECT_EQ(slots[2], (TUserItem{72, u"特殊"}));
  for (int i = 3; i < 10; ++i) EXPECT_EQ(slots[static_cast<std::size_t>(i)], TUserItem{});
}

TEST_F(FavouritesDialog, CancelLeavesTheSlotsAndSortsMoveWholeRows) {
  TUserItems slots = FourFilled();
  // The dialog comes up modally through the viewer's entry; the user clears every row, then cancels.
  static bool cleared;
  cleared = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
    const HWND shown = FindWindowW(nullptr, L"お気に入りの管理");
    if (cleared || !shown || !IsWindowVisible(shown)) return;
    HWND clear = nullptr;
    EnumChildWindows(
        shown,
        [](HWND child, LPARAM found) {
          if (ui::WindowText(child) != L"すべてクリア") return TRUE;
          *reinterpret_cast<HWND*>(found) = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&clear));
    if (!clear) return;
    SendMessageW(clear, BM_CLICK, 0, 0);
    cleared = true;
    PostMessageW(shown, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  });
  EXPECT_FALSE(RunFavouritesDialog(nullptr, slots, 0));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(cleared);
  EXPECT_EQ(slots, FourFilled());

  TForm_UniUserItems dialog(nullptr, FourFilled(), 0);
  Click(*dialog.Button_sort_block);
  for (int row = 0; row < 6; ++row) EXPECT_EQ(Cell(dialog, row, 2), L"") << row;
  EXPECT_EQ(Cell(dialog, 6, 2), L"Basic Latin");
  EXPECT_EQ(Cell(dialog, 6, 3), L"ascii");
  EXPECT_EQ(Cell(dialog, 9, 2), L"Specials");
  EXPECT_EQ(Cell(dialog, 9, 0), L"10");
  Click(*dialog.Button_Sort_index);
  EXPECT_EQ(Cell(dialog, 0, 1), L"0");
  EXPECT_EQ(Cell(dialog, 3, 1), L"72");
  EXPECT_EQ(Cell(dialog, 4, 1), L"");
  Click(*dialog.Button_AllDel);
  for (int row = 0; row < 10; ++row) EXPECT_EQ(Cell(dialog, row, 1), L"");
  EXPECT_EQ(Cell(dialog, 4, 0), L"5");
}

TEST_F(FavouritesDialog, ARowDraggedByItsNumberMovesAndTheNumbersStay) {
  TForm_UniUserItems dialog(nullptr, FourFilled(), 0);
  const HWND grid = dialog.StringGrid1->hwnd;
  auto middleOf = [&](int row, int column) {
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    SendMessageW(grid, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    // Subitem 0's bounds are the whole row's: its number cell is the first column's width from the left.
    if (column == 0) cell.right = cell.left + static_cast<int>(SendMessageW(grid, LVM_GETCOLUMNWIDTH, 0, 0));
    return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  };
  auto drag = [&](POINT from, POINT to) {
    NMLISTVIEW begin{};
    begin.hdr = {grid, static_cast<UINT_PTR>(dialog.StringGrid1->id), LVN_BEGINDRAG};
    begin.ptAction = from;
    SendMessageW(dialog.Hwnd(), WM_NOTIFY, begin.hdr.idFrom, reinterpret_cast<LPARAM>(&begin));
    SendMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  };
  drag(middleOf(0, 0), middleOf(2, 2));  // Hiragana's number onto row 3
  EXPECT_EQ(Cell(dialog, 0, 2), L"Katakana");
  EXPECT_EQ(Cell(dialog, 1, 2), L"Basic Latin");
  EXPECT_EQ(Cell(dialog, 2, 2), L"Hiragana");
  EXPECT_EQ(Cell(dialog, 2, 3), L"かな");
  EXPECT_EQ(Cell(dialog, 2, 0), L"3");
  EXPECT_EQ(dialog.CurrentRow(), 2);
  drag(middleOf(3, 2), middleOf(0, 2));  // grabbed by its name, not its number: nothing moves
  EXPECT_EQ(Cell(dialog, 3, 2), L"Specials");
}

TEST_F(FavouritesDialog, PictureShowsTheCurrentRowsBlockName) {
  TForm_UniUserItems dialog(nullptr, FourFilled(), 50);
  dialog.Show();
  PumpUntilIdle();
  const Picture picture = CaptureWindow(dialog.Hwnd());
  SavePng(picture, ScreenshotPath(L"favourites_dialog.png"));
  // The block name label shows "Hiragana" in its underlined font.
  RECT label{};
  GetClientRect(dialog.Label_blockName->hwnd, &label);
  const Picture shown = Crop(picture, AreaInCapture(dialog.Hwnd(), dialog.Label_blockName->hwnd, label));
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog.Label_blockName->hwnd, WM_GETFONT, 0, 0));
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(DifferingPixels(shown, RenderText(shown.width, shown.height, background, GetSysColor(COLOR_WINDOWTEXT),
                                              font, 0, 0, L"Hiragana")),
            0);
  EXPECT_GT(DifferingPixels(shown, RenderText(shown.width, shown.height, background, GetSysColor(COLOR_WINDOWTEXT),
                                              font, 0, 0, L"Katakana")),
            20);
}

TEST_F(FavouritesDialog, EnlargedViewDrawsTheCharacterInTheViewersFont) {
  TForm_UniBigView view(nullptr);
  EXPECT_EQ(ui::WindowText(view.Hwnd()), L"拡大表示");
  EXPECT_FALSE(IsWindowVisible(view.Hwnd()));
  EXPECT_TRUE(GetWindowLongW(view.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  view.ShowCharacter(L"IPAゴシック", L'あ');
  SetWindowTextW(view.SpinEdit1->hwnd, L"80");
  EXPECT_EQ(view.TntPanel1.Points(), 80);
  SetWindowTextW(view.SpinEdit1->hwnd, L"x");
  EXPECT_EQ(view.TntPanel1.Points(), 80);
  view.Open();
  PumpUntilIdle();
  const Picture picture = CaptureWindow(view.Hwnd());
  SavePng(picture, ScreenshotPath(L"enlarged_view.png"));
  RECT client{};
  GetClientRect(view.TntPanel1.Hwnd(), &client);
  const Picture shown = Crop(picture, AreaInCapture(view.Hwnd(), view.TntPanel1.Hwnd(), client));
  auto drawn = [&](const wchar_t* face) {
    LOGFONTW request{};
    request.lfHeight = -MulDiv(80, view.Dpi(), 72);
    request.lfCharSet = DEFAULT_CHARSET;
    wcscpy(request.lfFaceName, face);
    ui::UniqueFont font(CreateFontIndirectW(&request));
    return DrawPicture(client.right, client.bottom, [&](HDC dc) {
      RECT area = client;
      FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      ui::SelectInDc selected(dc, font.Get());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      DrawTextW(dc, L"あ", 1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    });
  };
  EXPECT_EQ(DifferingPixels(shown, drawn(L"IPAゴシック")), 0);
  EXPECT_GT(DifferingPixels(shown, drawn(L"IPA明朝")), 100);
  // Closing only hides it: it lives as long as its viewer.
  SendMessageW(view.Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(view.Hwnd()));
  EXPECT_FALSE(IsWindowVisible(view.Hwnd()));
}

}  // namespace
}  // namespace velura::testing
