// The Unicode block viewer driven as a user drives it, on the fonts of the test prefix.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include "charview_fixture_win.h"
#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "records/folder_loading.h"
#include "records/long_operations.h"
#include "support/dialog_answer_win.h"
#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/charview/form_unicode_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/menu_win.h"

namespace velura::testing {
namespace {

class UnicodeViewer : public CharviewTest {
 protected:
  void Open() {
    viewer = std::make_unique<Tform_unicode>(Browser().Engine(), Browser().settings, [this] { ++launcherShown; });
    viewer->Open();
    PumpUntilIdle();
  }
  std::wstring Status(int part) const { return StatusText(viewer->StatusBar1->hwnd, part); }
  std::wstring RichText() const { return ui::WindowText(viewer->TntRichEdit1->hwnd); }
  static std::wstring ClipboardText() {
    if (!OpenClipboard(nullptr)) return L"(no clipboard)";
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    std::wstring text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return text;
  }
  void Command(int id) { SendMessageW(viewer->Hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // A mouse message at the middle of a cell of the grid.
  void AtCell(UINT message, int row, int column) {
    const RECT cell = viewer->TntStringGrid1.CellRect(row, column);
    SendMessageW(viewer->TntStringGrid1.Hwnd(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                 MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
  }
  void DoubleClick(int row, int column) {
    AtCell(WM_LBUTTONDOWN, row, column);
    AtCell(WM_LBUTTONUP, row, column);
    AtCell(WM_LBUTTONDBLCLK, row, column);
    AtCell(WM_LBUTTONUP, row, column);
  }
  void SetPointSize(const wchar_t* text) { SetWindowTextW(viewer->SpinEdit1->hwnd, text); }

  std::unique_ptr<Tform_unicode> viewer;
  int launcherShown = 0;
};

TEST_F(UnicodeViewer, ShowsTheBlocksAndStartsAtBasicLatin) {
  Open();
  EXPECT_EQ(ui::WindowText(viewer->Hwnd()), L"Unicode Viewer");
  EXPECT_EQ(SendMessageW(viewer->ListBox_zel1.Hwnd(), LB_GETCOUNT, 0, 0), ViewerBlockCount());  // 103, then the rest
  EXPECT_EQ(viewer->ListBox_zel1.CurrentIndex(), 0);
  EXPECT_EQ(viewer->CurrentBlock(), 0);
  EXPECT_EQ(viewer->TntStringGrid1.RowCount(), 8);
  EXPECT_EQ(Status(0), L"範囲　$0000 ～ $007F");
  EXPECT_EQ(Status(1), L"Unicode  $0000");
  // The font tree: the installed families under their root, the first family selected and in the grid.
  TreeViewFileTree& tree = viewer->FontTree();
  ASSERT_NE(tree.First(), nullptr);
  EXPECT_EQ(tree.Text(tree.First()), L"インストール済みフォント");
  ASSERT_NE(tree.Selected(), nullptr);
  EXPECT_EQ(tree.Selected(), tree.FirstChild(tree.First()));
  // "メニューウインドウを表示" brings the launcher forward.
  Command(Tform_unicode::N2);
  EXPECT_EQ(launcherShown, 1);
}

TEST_F(UnicodeViewer, SpecialsFillOneRowEndingAtFFFF) {
  Open();
  SendMessageW(viewer->ListBox_zel1.Hwnd(), LB_SETCURSEL, 72, 0);
  SendMessageW(GetParent(viewer->ListBox_zel1.Hwnd()), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(viewer->ListBox_zel1.Hwnd()), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(viewer->ListBox_zel1.Hwnd()));
  EXPECT_EQ(viewer->CurrentBlock(), 72);
  EXPECT_EQ(viewer->TntStringGrid1.RowCount(), 1);
  EXPECT_EQ(Status(0), L"範囲　$FFF0 ～ $FFFF");
  AtCell(WM_LBUTTONDOWN, 0, 15);
  EXPECT_EQ(Status(1), L"Unicode  $FFFF");
  EXPECT_EQ(viewer->BigView->TntPanel1.Character(), L'\xFFFF');
  // Nothing lies below the one row.
  SendMessageW(viewer->TntStringGrid1.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(5, viewer->TntStringGrid1.CellSize() * 3));
  EXPECT_EQ(Status(1), L"Unicode  $FFFF");
  SendMessageW(viewer->TntStringGrid1.Hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(viewer->TntStringGrid1.Row(), 0);
}

TEST_F(UnicodeViewer, SurrogateBlocksHoldLoneCodeUnits) {
  Open();
  viewer->SelectBlock(101);
  EXPECT_EQ(viewer->TntStringGrid1.RowCount(), 64);
  EXPECT_EQ(Status(0), L"範囲　$DC00 ～ $DFFF");
  EXPECT_EQ(Status(1), L"Unicode  $DC00");
  EXPECT_EQ(viewer->BigView->TntPanel1.Character(), L'\xDC00');
  viewer->SelectBlock(102);
  viewer->TntStringGrid1.SelectCell(63, 15);  // scrolled into view
  EXPECT_EQ(Status(1), L"Unicode  $DBFF");
  EXPECT_GT(viewer->TntStringGrid1.TopRow(), 0);
  DoubleClick(63, 15);
  EXPECT_EQ(RichText(), L"");  // a lone surrogate is never collected
  CaptureWindow(viewer->Hwnd());  // drawing lone surrogates is harmless

  // Typed or pasted text with half a pair goes on the clipboard well-formed; the whole pair stays.
  SetWindowTextW(viewer->TntRichEdit1->hwnd, L"\x3042\xD842\xDFB7\xD842");
  Click(*viewer->Button_Copy);
  EXPECT_EQ(ClipboardText(), L"\x3042\xD842\xDFB7\xFFFD");
}

TEST_F(UnicodeViewer, CollectsNewestFirstInTheFontAndCopies) {
  Open();
  viewer->SelectBlock(50);
  for (int column : {2, 4, 6}) DoubleClick(0, column);  // あ い う
  EXPECT_EQ(RichText(), L"ういあ");
  // The first character carries the family of the tree.
  SendMessageW(viewer->TntRichEdit1->hwnd, EM_SETSEL, 0, 1);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(viewer->TntRichEdit1->hwnd, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  EXPECT_EQ(std::wstring(format.szFaceName), viewer->FontTree().Text(viewer->FontTree().Selected()));

  // The pop-up: "選択文字をコピー" needs a selection.
  SendMessageW(viewer->TntRichEdit1->hwnd, EM_SETSEL, 0, 0);
  ui::UpdateMenu(viewer->TntPopupMenu1(), viewer->FormActions());
  EXPECT_FALSE(GetMenuState(viewer->TntPopupMenu1(), Tform_unicode::tiCopyAll, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(viewer->TntPopupMenu1(), Tform_unicode::tiSelCopy, MF_BYCOMMAND) & MF_GRAYED);

  Click(*viewer->Button_Copy);
  EXPECT_EQ(ClipboardText(), L"ういあ");

  EXPECT_EQ(Status(1), L"Unicode  $3046");
  // Another family shows the same character.
  ASSERT_TRUE(SelectNode(viewer->FontTree(), L"IPA明朝"));
  EXPECT_EQ(std::wstring(viewer->CurrentLogFont().lfFaceName), L"IPA明朝");
  EXPECT_EQ(Status(1), L"Unicode  $3046");
  EXPECT_EQ(viewer->BigView->TntPanel1.Face(), L"IPA明朝");
  // Another block keeps the cell's place within it.
  viewer->SelectBlock(72);
  EXPECT_EQ(Status(1), L"Unicode  $FFF6");
}

TEST_F(UnicodeViewer, PointSizeSetsTheCellsAndTheFont) {
  Open();
  ASSERT_EQ(viewer->Dpi(), 96);
  EXPECT_EQ(viewer->TntStringGrid1.CellSize(), 30);  // designed, until the size is first changed
  SetPointSize(L"10");
  EXPECT_EQ(viewer->PointSize(), 10);
  const RECT cell = viewer->TntStringGrid1.CellRect(0, 1);
  EXPECT_EQ(cell.right - cell.left, 18);
  EXPECT_EQ(cell.bottom - cell.top, 18);
  EXPECT_EQ(viewer->CurrentLogFont().lfHeight, -13);
  SetPointSize(L"99");
  EXPECT_EQ(viewer->TntStringGrid1.CellSize(), 178);
  // Cells that large do not all fit across: the last column scrolls into view when it becomes current.
  viewer->TntStringGrid1.SelectCell(0, 15);
  EXPECT_GT(viewer->TntStringGrid1.LeftColumn(), 0);
  EXPECT_EQ(Status(1), L"Unicode  $000F");
  const RECT last = viewer->TntStringGrid1.CellRect(0, 15);
  RECT client{};
  GetClientRect(viewer->TntStringGrid1.Hwnd(), &client);
  EXPECT_LE(last.right, client.right);
  EXPECT_GT(last.right, last.left);
  SetPointSize(L"10");
  // On a screen of 144 DPI the 10-point glyph (20 pixels) still fits its cell (27 pixels).
  RECT frame{};
  GetWindowRect(viewer->Hwnd(), &frame);
  SendMessageW(viewer->Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&frame));
  EXPECT_EQ(viewer->TntStringGrid1.CellSize(), 27);
  EXPECT_EQ(viewer->CurrentLogFont().lfHeight, -20);
  SendMessageW(viewer->Hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&frame));
  EXPECT_EQ(viewer->TntStringGrid1.CellSize(), 18);
  SetPointSize(L"16");
  SendMessageW(viewer->Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&frame));
  EXPECT_EQ(viewer->TntStringGrid1.CellSize(), 43);  // 16 x 1.8 x 1.5 = 43.2, not the 96-DPI 29 rescaled
  SendMessageW(viewer->Hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&frame));
  SetPointSize(L"99");
  SetPointSize(L"");  // being typed: nothing changes
  EXPECT_EQ(viewer->TntStringGrid1.CellSize(), 178);
  EXPECT_EQ(viewer->PointSize(), 99);
}

TEST_F(UnicodeViewer, FavouritesAreReadAtShowAndWrittenWhenTheWindowGoes) {
  Browser().settings.WriteUserItem(0, 50, u"かな");
  Browser().settings.WriteUserItem(3, 140, u"壊れた");
  Open();
  EXPECT_EQ(viewer->Favourites()[0], (TUserItem{50, u"かな"}));
  // The menus show the filled slots only, numbered among themselves.
  SendMessageW(viewer->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(viewer->FavouritesMenu()), 1);
  auto items = viewer->FavouriteItemsOf(viewer->FavouritesMenu());
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].caption, u"0  Hiragana  - かな");
  EXPECT_EQ(items[1].caption, u"1  ERROR  - 壊れた");
  EXPECT_EQ(GetMenuItemCount(viewer->FavouritesMenu()), 5);  // open, add, separator, two favourites
  // Built again on every open, never twice.
  SendMessageW(viewer->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(viewer->FavouritesMenu()), 1);
  EXPECT_EQ(GetMenuItemCount(viewer->FavouritesMenu()), 5);
  // The block list's pop-up carries them too.
  SendMessageW(viewer->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(viewer->PopupMenu_UserItem()), 0);
  EXPECT_EQ(viewer->FavouriteItemsOf(viewer->PopupMenu_UserItem()).size(), 2u);
  EXPECT_EQ(GetMenuItemCount(viewer->PopupMenu_UserItem()), 5);
  // Choosing a favourite shows its block.
  Command(Tform_unicode::kFavouriteCommand + 0);
  EXPECT_EQ(viewer->CurrentBlock(), 50);
  EXPECT_EQ(viewer->ListBox_zel1.CurrentIndex(), 50);
  RECT line{}, list{};  // its line is in view, whole
  SendMessageW(viewer->ListBox_zel1.Hwnd(), LB_GETITEMRECT, 50, reinterpret_cast<LPARAM>(&line));
  GetClientRect(viewer->ListBox_zel1.Hwnd(), &list);
  EXPECT_GE(line.top, 0);
  EXPECT_LE(line.bottom, list.bottom);
  Command(Tform_unicode::kFavouriteCommand + 1);  // no such block: the grid stays
  EXPECT_EQ(viewer->CurrentBlock(), 50);

  // Adding the current block again is refused.
  viewer->SelectBlock(50);
  Command(Tform_unicode::Action_UserList_Add);
  ASSERT_EQ(Recorder().messages.size(), 1u) << Recorder().Describe();
  EXPECT_EQ(Recorder().messages[0].Text, u"すでにお気に入りに登録済みです");
  EXPECT_EQ(Recorder().messages[0].Caption, u"重複登録");
  viewer->SelectBlock(72);
  Command(Tform_unicode::Action_UserList_Add);
  EXPECT_EQ(viewer->Favourites()[1].BlockIndex, 72);

  SendMessageW(viewer->Hwnd(), WM_CLOSE, 0, 0);  // closing destroys it
  EXPECT_FALSE(IsWindow(viewer->Hwnd()));
  EXPECT_EQ(Browser().settings.ReadUserItem(1).BlockIndex, 72);
  EXPECT_EQ(Browser().settings.ReadUserItem(0).Text, u"かな");
  EXPECT_EQ(Browser().settings.ReadUserItem(9).BlockIndex, -1);
}

TEST_F(UnicodeViewer, AnEleventhFavouriteAnsweredNoReplacesTheFirst) {
  Open();
  for (int n = 0; n < 10; ++n)
    viewer->Favourites()[static_cast<std::size_t>(n)] = {n, u"説明" + std::u16string(1, u'0' + n)};
  Recorder().AnswerCaption(u"処理方法を選択", MessageResult::No);
  viewer->SelectBlock(50);
  Command(Tform_unicode::Action_UserList_Add);
  ASSERT_EQ(Recorder().messages.size(), 1u) << Recorder().Describe();
  const MessageRequest& asked = Recorder().messages[0];
  EXPECT_EQ(asked.Caption, u"処理方法を選択");
  EXPECT_EQ(asked.Text, kFavouritesFullText);
  EXPECT_EQ(asked.Buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(asked.Icon, MessageIcon::Information);
  EXPECT_EQ(viewer->Favourites()[0], (TUserItem{50, u"説明0"}));
  EXPECT_EQ(viewer->Favourites()[1], (TUserItem{1, u"説明1"}));

  Recorder().AnswerCaption(u"処理方法を選択", MessageResult::Cancel);
  viewer->SelectBlock(51);
  Command(Tform_unicode::Action_UserList_Add);
  EXPECT_EQ(viewer->Favourites()[0].BlockIndex, 50);

  // "はい" opens the management dialog over the viewer instead; cancelled, it changes nothing.
  Recorder().AnswerCaption(u"処理方法を選択", MessageResult::Yes);
  const TUserItems before = viewer->Favourites();
  {
    auto cancel = AnswerNextDialog(L"お気に入りの管理", IDCANCEL);
    Command(Tform_unicode::Action_UserList_Add);
    EXPECT_TRUE(cancel.Came());
  }
  EXPECT_EQ(viewer->Favourites(), before);
  EXPECT_TRUE(IsWindowEnabled(viewer->Hwnd()));
}

TEST_F(UnicodeViewer, TheBrowsedFontsJoinTheTreeAndDrawTheGrid) {
  TempFolder folder(L"velura_unicode_browsed");
  ASSERT_TRUE(WriteRenamedFont(folder / L"uni.ttf", u"Velura Uni 0001"));
  TFileData_local browsed(Browser().Engine().Records());
  LoadFolderFiles(Browser().Engine(), browsed, folder.U16(), Browser().progress, false);
  ASSERT_EQ(browsed.Count(), 1);
  viewer = std::make_unique<Tform_unicode>(
      Browser().Engine(), Browser().settings, [] {}, [&browsed]() -> const TFileData_base* { return &browsed; });
  viewer->Open();
  TreeViewFileTree& tree = viewer->FontTree();
  const FileTree::Node second = tree.NextSibling(tree.First());
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(tree.Text(second), L"閲覧中のフォント");
  ASSERT_NE(tree.FirstChild(second), nullptr);
  EXPECT_EQ(tree.Text(tree.FirstChild(second)), L"Velura Uni 0001");
  tree.Select(tree.FirstChild(second));
  EXPECT_EQ(std::wstring(viewer->CurrentLogFont().lfFaceName), L"Velura Uni 0001");
  // A root names no family: the grid keeps its font.
  tree.Select(second);
  EXPECT_EQ(std::wstring(viewer->CurrentLogFont().lfFaceName), L"Velura Uni 0001");
  viewer.reset();
  SilentBarProgress release;
  ReleaseAll(browsed, release);
}

TEST_F(UnicodeViewer, HiraganaIsDrawnInTheChosenJapaneseFont) {
  Open();
  ASSERT_TRUE(SelectNode(viewer->FontTree(), L"IPAゴシック")) << "the test prefix lacks the IPA fonts";
  PumpUntilIdle();
  EXPECT_EQ(std::wstring(viewer->CurrentLogFont().lfFaceName), L"IPAゴシック");
  viewer->SelectBlock(50);
  viewer->TntStringGrid1.SelectCell(0, 4);  // い, so that あ is drawn as a plain cell
  viewer->Show();
  const Picture picture = CaptureWindow(viewer->Hwnd());
  SavePng(picture, ScreenshotPath(L"unicode_viewer_hiragana.png"));

  const RECT cell = viewer->TntStringGrid1.CellRect(0, 2);
  const Picture shown = Crop(picture, AreaInCapture(viewer->Hwnd(), viewer->TntStringGrid1.Hwnd(), cell));
  auto drawn = [&](HFONT font) {
    return DrawPicture(cell.right - cell.left, cell.bottom - cell.top, [&](HDC dc) {
      const RECT area{0, 0, cell.right - cell.left, cell.bottom - cell.top};
      DrawGridCell(dc, area, font, u'あ', false);
    });
  };
  LOGFONTW other{};
  ASSERT_TRUE(FindLogFont(L"IPA明朝", other));
  other.lfHeight = viewer->CurrentLogFont().lfHeight;
  ui::UniqueFont mincho(CreateFontIndirectW(&other));
  EXPECT_EQ(DifferingPixels(shown, drawn(viewer->GridFont())), 0);
  EXPECT_GT(DifferingPixels(shown, drawn(mincho.Get())), 20);
  // The current cell is drawn highlighted.
  const RECT current = viewer->TntStringGrid1.CellRect(0, 4);
  const Picture highlighted = Crop(picture, AreaInCapture(viewer->Hwnd(), viewer->TntStringGrid1.Hwnd(), current));
  EXPECT_GT(CountPixels(highlighted, PixelOf(GetSysColor(COLOR_HIGHLIGHT))),
            highlighted.width * highlighted.height / 2);
}

}  // namespace
}  // namespace velura::testing
