// The symbol font viewer under Wine: its tree of symbol families, the sample as rich text with a font and
// colour per line, copying, printing and a picture of a symbol font's lines.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/picture_regions_win.h"
#include "support/pump_win.h"
#include "support/screenshot_win.h"
#include "ui/charview/form_symbol_view_win.h"
#include "ui/charview/symbol_print.h"
#include "ui/charview/symbol_rich_text_win.h"

namespace velura::testing {
namespace {

std::u16string WindowsFont(const wchar_t* file) {
  wchar_t windows[MAX_PATH]{};
  GetWindowsDirectoryW(windows, MAX_PATH);
  return ToU16(std::wstring(windows) + L"\\Fonts\\" + file);
}

class SymbolView : public BrowserTest {
 protected:
  void SetUp() override {
    fonts_ = std::make_unique<TFileData_local>(Engine().Installed().Services());
    for (const std::u16string& path : {WindowsFont(L"marlett.ttf"), WindowsFont(L"tahoma.ttf"),
                                       std::u16string(u"Z:\\usr\\share\\fonts\\truetype\\libreoffice\\opens___.ttf")})
      fonts_->AddFontFile(path);
    fonts_->UpdateNames();
  }
  void TearDown() override {
    view_.reset();
    PumpUntilIdle();
  }
  TForm_SymbolView& Open() {
    view_ = std::make_unique<TForm_SymbolView>(*fonts_, nullptr, [this] { ++launcherShown_; });
    PumpUntilIdle();
    return *view_;
  }

  std::vector<std::wstring> Lines() const {
    std::vector<std::wstring> lines;
    const HWND edit = view_->RichEdit();
    const int count = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t buffer[512]{};
      *reinterpret_cast<WORD*>(buffer) = 510;
      const LRESULT length = SendMessageW(edit, EM_GETLINE, i, reinterpret_cast<LPARAM>(buffer));
      std::wstring line(buffer, static_cast<std::size_t>(length));
      while (!line.empty() && (line.back() == L'\r' || line.back() == L'\n')) line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
  // The format of the line's first character.
  CHARFORMAT2W FormatOfLine(int line) const {
    const HWND edit = view_->RichEdit();
    const LONG start = static_cast<LONG>(SendMessageW(edit, EM_LINEINDEX, line, 0));
    CHARRANGE range{start, start + 1};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
  }
  FileTree::Node NodeNamed(const std::wstring& text) {
    TreeViewFileTree& tree = view_->FontNames();
    for (FileTree::Node root = tree.First(); root; root = tree.NextSibling(root)) {
      if (tree.Text(root) == text) return root;
      for (FileTree::Node node = tree.FirstChild(root); node; node = tree.NextSibling(node))
        if (tree.Text(node) == text) return node;
    }
    return nullptr;
  }
  void Command(int id) {
    SendMessageW(view_->Hwnd(), WM_COMMAND, id, 0);
    PumpUntilIdle();
  }

  std::unique_ptr<TFileData_local> fonts_;
  std::unique_ptr<TForm_SymbolView> view_;
  int launcherShown_ = 0;
};

TEST_F(SymbolView, TreeHoldsOnlySymbolFamiliesAndTheFirstIsShown) {
  TForm_SymbolView& view = Open();
  EXPECT_EQ(ui::WindowText(view.Hwnd()), L"シンボルフォントViewer");
  TreeViewFileTree& tree = view.FontNames();
  ASSERT_NE(tree.First(), nullptr);
  EXPECT_EQ(tree.Text(tree.First()), L"インストール済みフォント");
  EXPECT_EQ(tree.NextSibling(tree.First()), nullptr);  // no browsed list
  const FileTree::Node marlett = NodeNamed(L"Marlett");
  ASSERT_NE(marlett, nullptr);
  EXPECT_EQ(tree.Level(marlett), 1);
  EXPECT_EQ(NodeNamed(L"Tahoma"), nullptr);
  // Position 1 is the first family, and choosing it showed its sample.
  const FileTree::Node first = tree.FirstChild(tree.First());
  EXPECT_EQ(tree.Selected(), first);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], tree.Text(first));
}

TEST_F(SymbolView, SampleHasTwentyFiveLinesInTheirFontsAndColours) {
  TForm_SymbolView& view = Open();
  view.ShowSymbolSample(u"Marlett");
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], L"Marlett");
  EXPECT_EQ(lines[1], L"");
  EXPECT_EQ(lines[2], L"A\tB\tC\tD\tE\tF\tG\tH\tI\tJ\tK\tL\tM");
  EXPECT_EQ(lines[3], lines[2]);
  EXPECT_EQ(lines[14], L"0\t1\t2\t3\t4\t5\t6\t7\t8\t9");  // the digits with nine tabs
  EXPECT_EQ(lines[15], lines[14]);
  EXPECT_EQ(lines[23], L";\t:\t'\t\"\t,\t.\t/\t?");

  const CHARFORMAT2W title = FormatOfLine(0);
  EXPECT_EQ(title.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE), DWORD(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE));
  EXPECT_STREQ(title.szFaceName, L"MS UI Gothic");
  for (int group = 0; group < 8; ++group) {
    SCOPED_TRACE(group);
    const CHARFORMAT2W plain = FormatOfLine(2 + 3 * group);
    EXPECT_STREQ(plain.szFaceName, L"Arial");
    EXPECT_EQ(plain.yHeight, 14 * 20);
    EXPECT_EQ(plain.crTextColor, RGB(0x80, 0, 0));
    EXPECT_EQ(plain.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_AUTOCOLOR), 0u);
    const CHARFORMAT2W symbol = FormatOfLine(3 + 3 * group);
    EXPECT_STREQ(symbol.szFaceName, L"Marlett");
    EXPECT_EQ(symbol.yHeight, 24 * 20);
    EXPECT_EQ(symbol.crTextColor, RGB(0, 0, 0));
  }
}

TEST_F(SymbolView, ARootNodeLeavesTheSampleAndAFamilyReplacesIt) {
  TForm_SymbolView& view = Open();
  TreeViewFileTree& tree = view.FontNames();
  view.ShowSymbolSample(u"Marlett");
  const auto before = Lines();
  tree.Select(tree.First());
  PumpUntilIdle();
  EXPECT_EQ(tree.Selected(), tree.First());
  EXPECT_EQ(Lines(), before);

  const FileTree::Node marlett = NodeNamed(L"Marlett");
  ASSERT_NE(marlett, nullptr);
  view.ShowSymbolSample(u"Other");
  tree.Select(marlett);
  PumpUntilIdle();
  EXPECT_EQ(Lines().at(0), L"Marlett");
  EXPECT_STREQ(FormatOfLine(15).szFaceName, L"Marlett");
}

TEST_F(SymbolView, CopyPutsRichTextAndPlainTextOnTheClipboard) {
  TForm_SymbolView& view = Open();
  view.ShowSymbolSample(u"Marlett");
  Command(TForm_SymbolView::EditSelectAll1);
  CHARRANGE selected{};
  SendMessageW(view.RichEdit(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(selected.cpMin, 0);
  EXPECT_GT(selected.cpMax, 100);
  Command(TForm_SymbolView::EditCopy1);

  const UINT rtf = RegisterClipboardFormatW(L"Rich Text Format");
  ASSERT_TRUE(OpenClipboard(view.Hwnd()));
  std::string richText;
  if (HANDLE data = GetClipboardData(rtf)) {
    richText = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  EXPECT_EQ(richText.rfind("{\\rtf", 0), 0u);
  EXPECT_NE(richText.find("Marlett"), std::string::npos);
  EXPECT_NE(text.find(L"0\t1\t2\t3\t4\t5\t6\t7\t8\t9"), std::wstring::npos);
}

TEST_F(SymbolView, MenusCarryTheCommandsAndTheLauncherCommandCallsBack) {
  TForm_SymbolView& view = Open();
  const HMENU bar = GetMenu(view.Hwnd());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetMenuItemCount(bar), 3);
  const HMENU edit = GetSubMenu(bar, 0);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(GetMenuItemID(edit, 0), UINT(TForm_SymbolView::EditCopy1));
  EXPECT_EQ(GetMenuItemID(edit, 1), UINT(TForm_SymbolView::EditSelectAll1));
  EXPECT_EQ(GetMenuItemID(edit, 3), UINT(TForm_SymbolView::Action_Print1));
  ui::Control* richEdit = ui::ControlOf(view.RichEdit());
  ASSERT_NE(richEdit, nullptr);
  const HMENU popup = view.ContextMenu(*richEdit);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(GetMenuItemCount(popup), 4);
  EXPECT_EQ(GetMenuItemID(popup, 3), UINT(TForm_SymbolView::Action_Print1));

  Command(TForm_SymbolView::N3);
  EXPECT_EQ(launcherShown_, 1);
  Command(TForm_SymbolView::Close1);
  EXPECT_FALSE(IsWindow(view.Hwnd()));
}

TEST_F(SymbolView, PrintingWithoutAPrinterSaysSoInsteadOfFailing) {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size != 0) GTEST_SKIP() << "this prefix has a printer";
  Open();
  recorder.messages.clear();
  Command(TForm_SymbolView::Action_Print1);
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[0].Text, kNoPrinterMessage);
  EXPECT_EQ(recorder.messages[0].Icon, MessageIcon::Warning);
}

TEST_F(SymbolView, PagesRenderOnAPrinterSizedPage) {
  TForm_SymbolView& view = Open();
  view.ShowSymbolSample(u"Marlett");
  const PageDevice a4{2479, 3508, 300, 300};
  int began = 0;
  std::vector<Picture> pages;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), a4.widthPixels, -a4.heightPixels, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP page = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(page, nullptr);
  HGDIOBJ old = SelectObject(dc, page);
  const RECT whole{0, 0, a4.widthPixels, a4.heightPixels};
  const int count = RenderRichEditPages(
      view.RichEdit(), dc, a4,
      [&] {
        ++began;
        FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return true;
      },
      [&](int) {
        GdiFlush();
        Picture picture{a4.widthPixels, a4.heightPixels, {}};
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        picture.pixels.assign(pixels, pixels + a4.widthPixels * a4.heightPixels);
        for (auto& p : picture.pixels) p &= 0xFFFFFF;
        pages.push_back(std::move(picture));
        return true;
      });
  EXPECT_EQ(count, 1);  // 25 lines fit one A4 page
  EXPECT_EQ(began, 1);
  ASSERT_EQ(pages.size(), 1u);
  const int white = CountPixels(pages[0], 0xFFFFFF);
  EXPECT_LT(white, a4.widthPixels * a4.heightPixels);  // something was drawn
  // The maroon plain lines reach the page in their colour.
  EXPECT_GT(CountPixels(pages[0], PixelOf(RGB(0x80, 0, 0))), 0);
  SavePng(pages[0], ScreenshotPath(L"symbol_view_print_page.png"));

  // A short page takes several pages and the loop ends with the text.
  const PageDevice strip{2479, 300, 300, 300};
  began = 0;
  pages.clear();
  const int stripPages = RenderRichEditPages(view.RichEdit(), dc, strip, [&] { return ++began, true; },
                                             [&](int) { return true; });
  EXPECT_GT(stripPages, 2);
  EXPECT_EQ(began, stripPages);
  // A refused page ends the document.
  EXPECT_EQ(RenderRichEditPages(view.RichEdit(), dc, a4, [] { return false; }, [](int) { return true; }), -1);
  // A device without a resolution prints nothing.
  EXPECT_EQ(RenderRichEditPages(view.RichEdit(), dc, PageDevice{}, [] { return true; }, [](int) { return true; }), -1);

  SelectObject(dc, old);
  DeleteObject(page);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST_F(SymbolView, PictureShowsTheSymbolLinesInTheSymbolFont) {
  TForm_SymbolView& view = Open();
  ShowWindow(view.Hwnd(), SW_SHOWNOACTIVATE);
  const HWND edit = view.RichEdit();
  // The same sample drawn with the plain font as the "symbol" font, scrolled to the digits.
  auto capture = [&](const std::u16string& font) {
    view.ShowSymbolSample(font);
    SendMessageW(edit, EM_LINESCROLL, 0, 13);
    PumpUntilIdle();
    return CaptureWindow(view.Hwnd());
  };
  const Picture plain = capture(u"Arial");
  const Picture symbol = capture(u"Marlett");
  SavePng(symbol, ScreenshotPath(L"symbol_view_marlett.png"));
  const Picture opensymbol = capture(u"OpenSymbol");
  SavePng(opensymbol, ScreenshotPath(L"symbol_view_opensymbol.png"));

  auto lineArea = [&](int line) {
    const LONG first = static_cast<LONG>(SendMessageW(edit, EM_LINEINDEX, line, 0));
    const LONG next = static_cast<LONG>(SendMessageW(edit, EM_LINEINDEX, line + 1, 0));
    POINTL top{}, bottom{};
    SendMessageW(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top), first);
    SendMessageW(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&bottom), next);
    RECT client{};
    GetClientRect(edit, &client);
    return AreaInCapture(view.Hwnd(), edit, RECT{client.left, top.y, client.right, bottom.y});
  };
  const RECT plainDigits = lineArea(14), symbolDigits = lineArea(15);
  ASSERT_GT(symbolDigits.bottom - symbolDigits.top, 20);
  // The maroon digits are the same in both pictures; the line under them is drawn in another font.
  EXPECT_EQ(DifferingPixels(Crop(plain, plainDigits), Crop(symbol, plainDigits)), 0);
  const int changed = DifferingPixels(Crop(plain, symbolDigits), Crop(symbol, symbolDigits));
  EXPECT_GT(changed, 200);
  // Marlett's digits are glyphs, not blanks.
  const Picture marlettLine = Crop(symbol, symbolDigits);
  EXPECT_GT(marlettLine.width * marlettLine.height - CountPixels(marlettLine, 0xFFFFFF), 200);
}

}  // namespace
}  // namespace velura::testing
