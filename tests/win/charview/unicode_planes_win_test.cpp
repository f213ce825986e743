// The Unicode viewer beyond its own table: blocks of every plane, what the face really has, names, and
// going to a code point.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "charview_fixture_win.h"
#include "records/folder_loading.h"
#include "records/long_operations.h"
#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/charview/form_unicode_win.h"
#include "ui/charview/unicode_blocks.h"
#include "ui/framework/window_win.h"

namespace velura::testing {
namespace {

class UnicodePlanes : public CharviewTest {
 protected:
  // The viewer with the browsed fonts of a folder in its tree's second root.
  void OpenWith(const std::u16string& folder) {
    LoadFolderFiles(Browser().Engine(), browsed, folder, Browser().progress, false);
    viewer = std::make_unique<Tform_unicode>(Browser().Engine(), Browser().settings, [] {},
                                             [this]() -> const TFileData_base* { return &browsed; });
    viewer->Open();
    PumpUntilIdle();
  }
  void TearDown() override {
    viewer.reset();
    SilentBarProgress release;
    ReleaseAll(browsed, release);
  }
  std::wstring Status(int part) const { return StatusText(viewer->StatusBar1->hwnd, part); }
  Picture CellPicture(const Picture& window, int row, int column) const {
    const RECT cell = viewer->TntStringGrid1.CellRect(row, column);
    return Crop(window, AreaInCapture(viewer->Hwnd(), viewer->TntStringGrid1.Hwnd(), cell));
  }
  // Selects a block and waits until the grid is painted: the time a user waits after a click.
  double ShowBlockMilliseconds(int listIndex) {
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    viewer->SelectBlock(listIndex);
    UpdateWindow(viewer->TntStringGrid1.Hwnd());
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  }

  TFileData_local browsed{Browser().Engine().Records()};
  std::unique_ptr<Tform_unicode> viewer;
};

TEST_F(UnicodePlanes, OnlyTheFacesOwnGlyphsAreDrawnAndCounted) {
  TempFolder folder(L"velura_unicode_cmap");
  ASSERT_TRUE(WriteFontWithCharacters(folder / L"abc.ttf", u"Velura Cmap ABC", {{0x41, 0x43}, {0x20BB7, 0x20BB7}}));
  OpenWith(folder.U16());
  ASSERT_TRUE(SelectNode(viewer->FontTree(), L"Velura Cmap ABC"));
  viewer->SelectBlock(0);
  viewer->TntStringGrid1.SelectCell(0, 0);
  ASSERT_TRUE(viewer->TntStringGrid1.CharMap().Found);
  EXPECT_EQ(Status(2), L"収録 3 / 128 字");
  viewer->Show();
  const Picture picture = CaptureWindow(viewer->Hwnd());
  SavePng(picture, ScreenshotPath(L"unicode_viewer_face_glyphs.png"));

  // "A" (row 4, column 1) is drawn in the face; "D" and "a" are empty grey cells, never a fallback glyph.
  const Picture a = CellPicture(picture, 4, 1);
  EXPECT_EQ(DifferingPixels(a, DrawPicture(a.width, a.height, [&](HDC dc) {
              DrawGridCell(dc, RECT{0, 0, a.width, a.height}, viewer->GridFont(), U'A', false);
            })), 0);
  EXPECT_LT(CountPixels(a, PixelOf(GetSysColor(COLOR_WINDOW))), a.width * a.height);  // ink
  for (const auto& [row, column] : {std::pair{4, 4}, std::pair{6, 1}}) {
    const Picture missing = CellPicture(picture, row, column);
    EXPECT_EQ(CountPixels(missing, PixelOf(kMissingGlyphGround)), missing.width * missing.height);
  }

  // Beyond U+FFFF: the face's one ideograph of Extension B.
  viewer->SelectCodePoint(BlockOfCodePoint(0x20BB7), 0x20BB7);
  EXPECT_EQ(Status(0) + Status(1), L"範囲　$20000 ～ $2A6DFUnicode  $20BB7");
  EXPECT_EQ(Status(2) + Status(3), L"収録 1 / 42,720 字U+20BB7  CJK UNIFIED IDEOGRAPH-20BB7");
  EXPECT_EQ(viewer->BigView->TntPanel1.Character(), U'\U00020BB7');
  // Drawn from the face's own glyph (the generated face gives U+20BB7 the glyph of "A").
  const Picture drawn =
      CellPicture(CaptureWindow(viewer->Hwnd()), viewer->TntStringGrid1.Row(), viewer->TntStringGrid1.Column());
  const Picture expectedA = DrawPicture(drawn.width, drawn.height, [&](HDC dc) {
    DrawGridCell(dc, RECT{0, 0, drawn.width, drawn.height}, viewer->GridFont(), U'A', true);
  });
  // The same glyph, placed by its own extent rather than by the text functions: the same ink, maybe a pixel
  // apart (two unknown-character boxes would differ far more).
  const auto ink = [](const Picture& cell) {
    return cell.width * cell.height - CountPixels(cell, PixelOf(GetSysColor(COLOR_HIGHLIGHT)));
  };
  EXPECT_GT(ink(expectedA), 0);
  EXPECT_NEAR(ink(drawn), ink(expectedA), ink(expectedA) / 10);
  // Collected and copied as its whole pair.
  const RECT current = viewer->TntStringGrid1.CellRect(viewer->TntStringGrid1.Row(), viewer->TntStringGrid1.Column());
  SendMessageW(viewer->TntStringGrid1.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON,
               MAKELPARAM((current.left + current.right) / 2, (current.top + current.bottom) / 2));
  EXPECT_EQ(ui::WindowText(viewer->TntRichEdit1->hwnd), L"\xD842\xDFB7");
  Click(*viewer->Button_Copy);
  ASSERT_TRUE(OpenClipboard(nullptr));
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  EXPECT_EQ(std::wstring(data ? static_cast<const wchar_t*>(GlobalLock(data)) : L""), L"\xD842\xDFB7");
  if (data) GlobalUnlock(data);
  CloseClipboard();
}

TEST_F(UnicodePlanes, ExtensionBWithAFaceThatHasItAndOneThatHasNot) {
  TempFolder folder(L"velura_unicode_extb");
  OpenWith(folder.U16());
  const int extB = BlockOfCodePoint(0x20BB7);
  for (const wchar_t* face : {L"Noto Sans CJK JP", L"IPAゴシック"}) {
    ASSERT_TRUE(SelectNode(viewer->FontTree(), face)) << "the test prefix lacks a CJK font";
    viewer->SelectCodePoint(extB, 0x20BB7);
    viewer->Show();
    const bool noto = face[0] == L'N';
    SavePng(CaptureWindow(viewer->Hwnd()), ScreenshotPath(noto ? L"unicode_ext_b_noto.png" : L"unicode_ext_b_ipa.png"));
    EXPECT_TRUE(viewer->TntStringGrid1.CharMap().Found);
    const std::wstring coverage = Status(2);  // "収録 n / m 字"
    ASSERT_GT(coverage.size(), 5u);
    std::printf("[ measure ] %s: Extension B characters mapped %s, U+20BB7 %s\n", noto ? "Noto Sans CJK JP" : "IPAGothic",
                std::string(coverage.begin() + 3, coverage.end() - 2).c_str(),
                viewer->TntStringGrid1.CharMap().Contains(0x20BB7) ? "mapped" : "not mapped");
  }

  // A block switch, measured (not asserted) for the largest blocks.
  ASSERT_TRUE(SelectNode(viewer->FontTree(), L"Noto Sans CJK JP"));
  for (char32_t code : {0x20000u, 0xF0000u, 0x4E00u, 0x80u}) {
    const int index = BlockOfCodePoint(code);
    // The least of five: the machine's other load only ever adds time.
    double ms = 1e9;
    for (int run = 0; run < 5; ++run) {
      viewer->SelectBlock(0);
      PumpUntilIdle();
      ms = std::min(ms, ShowBlockMilliseconds(index));
    }
    const std::u16string name = ViewerBlock(index).Name;
    std::printf("[ measure ] block switch to %s (%u code points): %.1f ms\n", std::string(name.begin(), name.end()).c_str(),
                static_cast<unsigned>(ViewerBlock(index).Last - ViewerBlock(index).First + 1), ms);
  }
}

}  // namespace
}  // namespace velura::testing
