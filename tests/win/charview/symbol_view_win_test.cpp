// The symbol font viewer under Wine: its tree of symbol families, the sample as rich text with a font and
// colour per line, copying, printing and a picture of a symbol font's lines.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <algorithm>
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

TEST_F(SymbolView, TheBrowsedFontsFormASecondRootWhileTheBrowserShowsThem) {
  TFileData_local browsed(Engine().Installed().Services());
  browsed.AddFontFile(WindowsFont(L"marlett.ttf"));
  browsed.UpdateNames();
  const TFileData_base* lent = &browsed;
  view_ = std::make_unique<TForm_SymbolView>(*fonts_, [&] { return lent; }, nullptr);
  PumpUntilIdle();
  TreeViewFileTree& tree = view_->FontNames();
  const FileTree::Node second = tree.NextSibling(tree.First());
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(tree.Text(second), L"閲覧中のフォント");
  ASSERT_NE(tree.FirstChild(second), nullptr);
  EXPECT_EQ(tree.Text(tree.FirstChild(second)), L"Marlett");
  // Without a launcher to call, the command does nothing.
  Command(TForm_SymbolView::N3);
  EXPECT_TRUE(IsWindow(view_->Hwnd()));
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
    // Its tabs keep the plain face at the symbols' size.
    const HWND edit = view.RichEdit();
    const LONG tab = static_cast<LONG>(SendMessageW(edit, EM_LINEINDEX, 3 + 3 * group, 0)) + 1;
    CHARRANGE range{tab, tab + 1};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W tabFormat{};
    tabFormat.cbSize = sizeof tabFormat;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&tabFormat));
    EXPECT_STREQ(tabFormat.szFaceName, L"Arial");
    EXPECT_EQ(tabFormat.yHeight, 24 * 20);
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

  // Ctrl+C, Ctrl+A and Ctrl+P reach their actions from anywhere in the window.
  HACCEL accelerators = view.Accelerators();
  ASSERT_NE(accelerators, nullptr);
  std::vector<ACCEL> keys(static_cast<std::size_t>(CopyAcceleratorTableW(accelerators, nullptr, 0)));
  CopyAcceleratorTableW(accelerators, keys.data(), static_cast<int>(keys.size()));
  auto commandOf = [&](WORD key) {
    for (const ACCEL& a : keys)
      if (a.key == key && (a.fVirt & FCONTROL) && !(a.fVirt & (FSHIFT | FALT))) return int(a.cmd);
    return 0;
  };
  EXPECT_EQ(commandOf('C'), TForm_SymbolView::EditCopy1);
  EXPECT_EQ(commandOf('A'), TForm_SymbolView::EditSelectAll1);
  EXPECT_EQ(commandOf('P'), TForm_SymbolView::Action_Print1);

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
  EXPECT_EQ(recorder.messages[0].Text, kNoPrinterText);
  EXPECT_EQ(recorder.messages[0].Icon, MessageIcon::Warning);
}

// A page of printer size as a 32-bit DIB section, white before each page.
class PrinterPage {
 public:
  explicit PrinterPage(const PageDevice& device) : device_(device) {
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), device.widthPixels, -device.heightPixels, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~PrinterPage() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  bool Begin() {
    const RECT whole{0, 0, device_.widthPixels, device_.heightPixels};
    FillRect(dc_, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return true;
  }
  Picture Take() const {
    GdiFlush();
    Picture picture{device_.widthPixels, device_.heightPixels, {}};
    const auto* pixels = static_cast<const std::uint32_t*>(bits_);
    picture.pixels.assign(pixels, pixels + device_.widthPixels * device_.heightPixels);
    for (auto& p : picture.pixels) p &= 0xFFFFFF;
    return picture;
  }

 private:
  PageDevice device_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

constexpr PageDevice kA4{2479, 3508, 300, 300};

// A stand-in rich edit that lays out `perPage` characters a page and marks each page it draws, so the page
// loop is seen whatever this system's rich edit can lay out.
struct FakeRichEdit {
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FakeRichEdit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && message == EM_GETTEXTLENGTHEX) return self->length;
    if (self && message == EM_FORMATRANGE && lParam) {
      const auto& range = *reinterpret_cast<const FORMATRANGE*>(lParam);
      self->starts.push_back(range.chrg.cpMin);
      self->pageRect = range.rcPage;
      if (wParam) {
        const RECT mark{100, 100, 100 + 50 * static_cast<int>(self->starts.size()), 200};
        FillRect(range.hdc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      }
      return std::min<LONG>(range.chrg.cpMin + self->perPage, self->length);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  FakeRichEdit(LONG textLength, LONG charactersPerPage) : length(textLength), perPage(charactersPerPage) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.lpszClassName = L"VeluraFakeRichEdit";
    RegisterClassW(&windowClass);
    hwnd = CreateWindowExW(0, L"VeluraFakeRichEdit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~FakeRichEdit() { DestroyWindow(hwnd); }
  HWND hwnd = nullptr;
  LONG length, perPage;
  std::vector<LONG> starts;
  RECT pageRect{};
};

TEST(SymbolPrinting, PagesGoOutOneByOneOnAnA4Page) {
  FakeRichEdit edit(1000, 400);
  PrinterPage page(kA4);
  std::vector<Picture> pictures;
  int began = 0;
  const int pages = RenderRichEditPages(
      edit.hwnd, page.Dc(), kA4, [&] { return ++began, page.Begin(); },
      [&](int) {
        pictures.push_back(page.Take());
        return true;
      });
  EXPECT_EQ(pages, 3);
  EXPECT_EQ(began, 3);
  EXPECT_EQ(edit.starts, (std::vector<LONG>{0, 400, 800}));
  EXPECT_EQ(edit.pageRect.right, 11899);  // A4 in twips
  EXPECT_EQ(edit.pageRect.bottom, 16838);
  ASSERT_EQ(pictures.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    // Each page shows its own mark alone: the page was cleared before it was drawn.
    EXPECT_EQ(CountPixels(pictures[i], 0x000000), 50 * (i + 1) * 100);
  }
  SavePng(pictures[0], ScreenshotPath(L"symbol_view_print_page.png"));
}

TEST(SymbolPrinting, ARefusedPageOrAPageThatTakesNothingFailsTheDocument) {
  PrinterPage page(kA4);
  FakeRichEdit edit(1000, 400);
  int ended = 0;
  EXPECT_EQ(RenderRichEditPages(edit.hwnd, page.Dc(), kA4, [] { return true; }, [&](int) { return ++ended < 2; }), -1);
  EXPECT_EQ(ended, 2);
  FakeRichEdit stuck(1000, 0);
  EXPECT_EQ(RenderRichEditPages(stuck.hwnd, page.Dc(), kA4, [] { return true; }, [](int) { return true; }), -1);
  EXPECT_EQ(stuck.starts.size(), 1u);  // no endless blank pages
  EXPECT_EQ(RenderRichEditPages(edit.hwnd, page.Dc(), PageDevice{}, [] { return true; }, [](int) { return true; }), -1);
  FakeRichEdit empty(0, 400);
  EXPECT_EQ(RenderRichEditPages(empty.hwnd, page.Dc(), kA4, [] { return true; }, [](int) { return true; }), 1);
}

TEST_F(SymbolView, TheSampleGoesToAPrinterSizedPageOrFailsOpenly) {
  TForm_SymbolView& view = Open();
  view.ShowSymbolSample(u"Marlett");
  PrinterPage page(kA4);
  int began = 0;
  Picture first;
  const int pages = RenderRichEditPages(
      view.RichEdit(), page.Dc(), kA4, [&] { return ++began, page.Begin(); },
      [&](int number) {
        if (number == 1) first = page.Take();
        return true;
      });
  if (pages == -1) {
    // This system's rich edit lays out nothing for a DC (EM_FORMATRANGE answers 0): the document fails
    // after one page instead of going out blank.
    EXPECT_EQ(began, 1);
    return;
  }
  EXPECT_EQ(pages, 1);  // 25 lines fit one A4 page
  EXPECT_GT(CountPixels(first, PixelOf(RGB(0x80, 0, 0))), 0);
}

TEST_F(SymbolView, PictureShowsTheSymbolLinesInTheSymbolFont) {
  TForm_SymbolView& view = Open();
  ShowWindow(view.Hwnd(), SW_SHOWNOACTIVATE);
  const HWND edit = view.RichEdit();
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
  struct Shot {
    Picture picture;
    RECT plainDigits, symbolDigits;
  };
  // The sample scrolled to the digits: their maroon line, and under it the same digits in the font shown.
  auto capture = [&](const std::u16string& font) {
    view.ShowSymbolSample(font);
    SendMessageW(edit, EM_LINESCROLL, 0, 13);
    PumpUntilIdle();
    return Shot{CaptureWindow(view.Hwnd()), lineArea(14), lineArea(15)};
  };
  const Shot plain = capture(u"Arial");
  SavePng(plain.picture, ScreenshotPath(L"symbol_view_plain.png"));
  const Shot symbol = capture(u"Marlett");
  SavePng(symbol.picture, ScreenshotPath(L"symbol_view_marlett.png"));
  SavePng(capture(u"OpenSymbol").picture, ScreenshotPath(L"symbol_view_opensymbol.png"));

  ASSERT_GT(symbol.symbolDigits.bottom - symbol.symbolDigits.top, 20);
  // The maroon digits look the same above both; the line under them is drawn in another font.
  EXPECT_EQ(DifferingPixels(Crop(plain.picture, plain.plainDigits), Crop(symbol.picture, symbol.plainDigits)), 0);
  const Picture marlettDigits = Crop(symbol.picture, symbol.symbolDigits);
  RECT sameArea = plain.symbolDigits;
  sameArea.bottom = sameArea.top + (symbol.symbolDigits.bottom - symbol.symbolDigits.top);
  EXPECT_GT(DifferingPixels(Crop(plain.picture, sameArea), marlettDigits), 200);
  // Marlett's digits are glyphs (window-button symbols), not blanks.
  const int inked = marlettDigits.width * marlettDigits.height - CountPixels(marlettDigits, 0xFFFFFF);
  EXPECT_GT(inked, 200);
  // The first tab of the line, from its start to the next symbol, is blank: no missing-glyph box (the rows
  // near the baseline are left out, where the minimize bar before it overhangs its advance).
  const LONG lineStart = static_cast<LONG>(SendMessageW(edit, EM_LINEINDEX, 15, 0));
  POINTL tab{}, afterTab{};
  SendMessageW(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&tab), lineStart + 1);
  SendMessageW(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&afterTab), lineStart + 2);
  ASSERT_GT(afterTab.x - tab.x, 10);
  const RECT tabArea = AreaInCapture(view.Hwnd(), edit, RECT{tab.x + 1, tab.y, afterTab.x - 1, tab.y + 26});
  const Picture blank = Crop(symbol.picture, tabArea);
  EXPECT_EQ(CountPixels(blank, 0xFFFFFF), blank.width * blank.height);
}

}  // namespace
}  // namespace velura::testing
