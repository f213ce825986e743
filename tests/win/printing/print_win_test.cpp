// Sample printing under Windows: pages rendered with GDI into an A4 picture at 300 dpi (the page a printer
// offers), the print dialog's options, and what a user without a printer gets. One folder of fonts per
// process: the not-installed browser reads it once for the whole suite.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/dialog_answer_win.h"
#include "support/pump_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/browsers/form_local_win.h"
#include "ui/browsers/form_my_print_dialog_win.h"
#include "ui/framework/controls_win.h"
#include "ui/longop/print_render_win.h"
#include "ui/longop/run_print_win.h"

namespace velura::testing {
namespace {

constexpr PageGeometry kA4{2479, 3508, 209, 297, 300};
const std::u16string kFamily = u"Velura Print 01";

// A memory DC holding a white 32-bit page; it outlives the surface drawn on it.
struct PageCanvas {
  explicit PageCanvas(const PageGeometry& page) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = page.width;
    info.bmiHeader.biHeight = -page.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    previous = SelectObject(dc, bitmap);
  }
  ~PageCanvas() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  PageCanvas(const PageCanvas&) = delete;
  PageCanvas& operator=(const PageCanvas&) = delete;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  std::uint32_t* bits = nullptr;
};

// A printer page that is a picture: every finished page is kept (scaled down by four) with its rules counted.
class PictureSurface : private PageCanvas, public GdiPrintSurface {
 public:
  struct PageSeen {
    Picture small;       // a quarter of the size, for looking at
    int rulesLeft = 0;   // horizontal lines over most of the page's left half
    int rulesRight = 0;  // and of its right half
    int inkLeftOfMargin = 0;
    int inkRightHalf = 0;  // dark pixels right of the middle
    int firstInkRow = -1;
  };

  explicit PictureSurface(std::function<void()> onStart = {})
      : PageCanvas(kA4), GdiPrintSurface(PageCanvas::dc, kA4), onStart_(std::move(onStart)) {}

  DocumentStart BeginDocument(const std::u16string& title) override {
    this->title = title;
    return DocumentStart::Started;
  }
  bool StartPage() override {
    if (onStart_) onStart_();
    std::fill(bits, bits + kA4.width * kA4.height, 0xFFFFFFu);
    return true;
  }
  bool EndPage() override {
    GdiFlush();
    pages.push_back(Look());
    return true;
  }
  bool EndDocument() override {
    ended = true;
    return true;
  }
  void AbortDocument() override { aborted = true; }
  bool DrawSample(const PlacedText& text, const SampleFont& font) override {
    if (samplesBeforeFailure-- == 0) return false;
    return GdiPrintSurface::DrawSample(text, font);
  }
  int samplesBeforeFailure = -1;  // -1: never fails

  std::u16string title;
  std::vector<PageSeen> pages;
  bool ended = false, aborted = false;

 private:
  static bool Dark(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 3 * 128;
  }
  PageSeen Look() const {
    PageSeen seen;
    bool previousRule[2] = {false, false};
    const int middle = kA4.width / 2;
    for (int y = 0; y < kA4.height; ++y) {
      const std::uint32_t* row = bits + y * kA4.width;
      int dark = 0, run = 0, longest[2] = {0, 0};
      for (int x = 0; x < kA4.width; ++x) {
        if (x == middle) run = 0;
        if (Dark(row[x])) {
          ++dark, ++run;
          if (x < 11) ++seen.inkLeftOfMargin;
          if (x > middle) ++seen.inkRightHalf;
        } else {
          run = 0;
        }
        longest[x >= middle] = std::max(longest[x >= middle], run);
      }
      if (dark > 0 && seen.firstInkRow < 0) seen.firstInkRow = y;
      for (int half = 0; half < 2; ++half) {
        const bool rule = longest[half] > kA4.width / 3;
        if (rule && !previousRule[half]) ++(half ? seen.rulesRight : seen.rulesLeft);
        previousRule[half] = rule;
      }
    }
    const int w = kA4.width / 4, h = kA4.height / 4;
    seen.small = Picture{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h)};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        unsigned sum[3] = {};
        for (int dy = 0; dy < 4; ++dy)
          for (int dx = 0; dx < 4; ++dx) {
            const std::uint32_t p = bits[(y * 4 + dy) * kA4.width + x * 4 + dx];
            sum[0] += (p >> 16) & 0xFF, sum[1] += (p >> 8) & 0xFF, sum[2] += p & 0xFF;
          }
        seen.small.pixels[y * w + x] = ((sum[0] / 16) << 16) | ((sum[1] / 16) << 8) | (sum[2] / 16);
      }
    return seen;
  }
  std::function<void()> onStart_;
};

// A printer for PrintSamples: present or not, its pages a picture.
class FakePrinter final : public PrinterAccess {
 public:
  bool Available() override { return present; }
  bool Setup(HWND) override {
    ++setups;
    return true;
  }
  std::unique_ptr<PrintSurface> Open() override {
    ++opened;
    auto surface = std::make_unique<PictureSurface>(onStart);
    last = surface.get();
    return surface;
  }
  bool present = true;
  int setups = 0, opened = 0;
  std::function<void()> onStart;
  PictureSurface* last = nullptr;  // valid while PrintSamples runs
};

class Printing : public BrowserTest {
 protected:
  static void SetUpTestSuite() {
    folder_ = NewTempFolder(L"velura_print_test");
    CopyFileW(L"Z:\\usr\\share\\fonts\\opentype\\ipafont-gothic\\ipag.ttf", (folder_ + L"\\ゴシック.ttf").c_str(),
              FALSE);
    WriteRenamedFont(folder_ + L"\\print.ttf", kFamily);
    WriteRenamedFontFrom(u"Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationSans-Bold.ttf",
                         folder_ + L"\\printbd.ttf", kFamily);
    CopyFileW(L"Z:\\usr\\share\\fonts\\truetype\\wqy\\wqy-zenhei.ttc", (folder_ + L"\\zenhei.ttc").c_str(), FALSE);
    CopyFileW(L"Z:\\usr\\share\\fonts\\opentype\\urw-base35\\C059-Roman.otf", (folder_ + L"\\C059-Roman.otf").c_str(),
              FALSE);
  }
  static void TearDownTestSuite() { RemoveFolderTree(folder_); }

  void SetUp() override {
    LoadInstalled();
    form = std::make_unique<Tform_local>(Engine(), settings, [] {});
    form->FormShow();
    ASSERT_TRUE(form->OpenFolder(folder_));
    PumpUntilIdle();
    ASSERT_EQ(form->List().Count(), 5);
  }
  void TearDown() override { form.reset(); }

  int Faces(bool styleFonts) const {
    int faces = 0;
    for (const auto& record : form->List().Items)
      if (styleFonts || !record->FamilyMember) faces += static_cast<int>(record->Faces.size());
    return faces;
  }

  static std::wstring folder_;
  std::unique_ptr<Tform_local> form;
  LoopContext loop;
  TForm_StatusBar status{loop};
};
std::wstring Printing::folder_;

TEST_F(Printing, OnePageOfTheCatalogueAtA4And300Dpi) {
  PictureSurface page;
  EXPECT_EQ(RunPrint(status, page, form->List(), u"", PrintOptions{}), PrintOutcome::Printed);
  EXPECT_EQ(page.title, u"フォントサンプル印刷");
  EXPECT_TRUE(page.ended);
  ASSERT_EQ(page.pages.size(), 1u);
  const auto& seen = page.pages[0];
  SavePng(seen.small, ScreenshotPath(L"print_page_a4.png"));
  // The bold file of the renamed family is a style font: one rule per face printed, the rest left out.
  EXPECT_EQ(seen.rulesLeft, Faces(false));
  EXPECT_LT(Faces(false), Faces(true));
  EXPECT_EQ(seen.inkLeftOfMargin, 0);
  EXPECT_GE(seen.firstInkRow, 11);  // the header at the 1 mm top margin
  EXPECT_LT(seen.firstInkRow, 60);
  EXPECT_FALSE(IsWindow(status.Hwnd()));
}

TEST_F(Printing, TwoColumnsAtTheLargestSizeFillBothHalvesOfThePage) {
  PictureSurface page;
  PrintOptions options;
  options.twoColumns = true;
  options.hideStyleFonts = false;
  options.fullPath = true;
  options.sampleSize = 99;
  EXPECT_EQ(RunPrint(status, page, form->List(), u"永あA", options), PrintOutcome::Printed);
  ASSERT_FALSE(page.pages.empty());
  SavePng(page.pages[0].small, ScreenshotPath(L"print_page_two_columns.png"));
  int rules = 0;
  for (const auto& seen : page.pages) {
    EXPECT_EQ(seen.inkLeftOfMargin, 0);
    EXPECT_LE(seen.rulesLeft - seen.rulesRight, 1) << "the first column fills before the second";
    EXPECT_GE(seen.rulesLeft, seen.rulesRight);
    rules += seen.rulesLeft + seen.rulesRight;
  }
  EXPECT_EQ(rules, Faces(true));
  EXPECT_GT(page.pages[0].rulesRight, 0);
}

TEST_F(Printing, TheStatusWindowShowsOnlyItsTitleAndBarWhilePrinting) {
  bool counterVisible = true, titleVisible = false;
  std::wstring title;
  PictureSurface page([&] {
    if (!status.IsOpen()) return;
    auto shown = [](const ui::Control* label) { return (GetWindowLongW(label->hwnd, GWL_STYLE) & WS_VISIBLE) != 0; };
    counterVisible = shown(status.Label_in) || shown(status.Label2) || shown(status.Label_total);
    titleVisible = IsWindowVisible(status.Label_Title->hwnd) && IsWindowVisible(status.ProgressBar1->hwnd);
    title = ui::WindowText(status.Label_Title->hwnd);
  });
  RunPrint(status, page, form->List(), u"", PrintOptions{});
  EXPECT_FALSE(counterVisible);
  EXPECT_TRUE(titleVisible);
  EXPECT_EQ(title, L"サンプル印刷準備中...");
}

TEST_F(Printing, StopEndsTheDocumentAndAFailureAbortsItWithItsMessage) {
  PictureSurface stopped([&] { SendMessageW(status.Button_Terminate->hwnd, BM_CLICK, 0, 0); });
  EXPECT_EQ(RunPrint(status, stopped, form->List(), u"", PrintOptions{}), PrintOutcome::Stopped);
  EXPECT_EQ(stopped.pages.size(), 1u);
  EXPECT_EQ(stopped.pages[0].rulesLeft, 0);
  EXPECT_TRUE(stopped.ended);
  EXPECT_TRUE(recorder.messages.empty());

  PictureSurface failing;
  failing.samplesBeforeFailure = 2;
  EXPECT_EQ(RunPrint(status, failing, form->List(), u"", PrintOptions{}), PrintOutcome::Failed);
  EXPECT_TRUE(failing.aborted);
  EXPECT_FALSE(failing.ended);
  EXPECT_TRUE(failing.pages.empty());
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].Text, u"印刷中にエラーが発生しました。処理を中断します");
  EXPECT_FALSE(status.IsOpen());
  EXPECT_TRUE(IsWindowEnabled(form->Hwnd()));
}

TEST_F(Printing, ThePrintDialogHoldsTheDesignedOptionsAndRanges) {
  FakePrinter printer;
  TForm_MyPrintDialog dialog(nullptr, printer);
  dialog.Show();
  PumpUntilIdle();
  EXPECT_EQ(ui::WindowText(dialog.Hwnd()), L"印刷設定");
  RECT client{};
  GetClientRect(dialog.Hwnd(), &client);
  EXPECT_EQ(dialog.Options(), PrintOptions{});
  EXPECT_EQ(ui::WindowText(dialog.CheckBox1->hwnd), L"２段組みにして用紙を節約");
  EXPECT_EQ(ui::WindowText(dialog.CheckBox_StyleFont_Visible->hwnd), L"スタイルフォントは表示しない");
  EXPECT_EQ(ui::WindowText(dialog.Button_PrintSetting->hwnd), L"プリンタ設定");
  EXPECT_EQ(GetWindowLongW(dialog.Hwnd(), GWL_STYLE) & WS_SYSMENU, 0);  // no border icons
  SavePng(CaptureWindow(dialog.Hwnd()), ScreenshotPath(L"print_dialog.png"));

  SendMessageW(dialog.CheckBox1->hwnd, BM_CLICK, 0, 0);
  SendMessageW(dialog.CheckBox_StyleFont_Visible->hwnd, BM_CLICK, 0, 0);
  SetWindowTextW(dialog.SpinEdit_FontSize->hwnd, L"150");
  SetWindowTextW(dialog.SpinEdit_PageLeftMargin->hwnd, L"12");
  PrintOptions options = dialog.Options();
  EXPECT_TRUE(options.twoColumns);
  EXPECT_FALSE(options.hideStyleFonts);
  EXPECT_EQ(options.sampleSize, 99);
  EXPECT_EQ(options.leftMargin, 12);
  SetWindowTextW(dialog.SpinEdit_FontSize->hwnd, L"");
  EXPECT_EQ(dialog.Options().sampleSize, 6);

  SendMessageW(dialog.Button_PrintSetting->hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(printer.setups, 1);
  printer.present = false;
  SendMessageW(dialog.Button_PrintSetting->hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(printer.setups, 1);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].Text, u"プリンタが見つかりません。プリンタを設定してから印刷してください。");
}

TEST_F(Printing, PrintSamplesPrintsOnOkAndNothingOnCancel) {
  FakePrinter printer;
  {
    auto cancel = AnswerNextDialog(L"印刷設定", IDCANCEL);
    PrintSamples(form->Hwnd(), u"", form->List(), status, printer);
    EXPECT_TRUE(cancel.Came());
  }
  EXPECT_EQ(printer.opened, 0);
  int pages = 0;
  printer.onStart = [&] { ++pages; };
  auto ok = AnswerNextDialog(L"印刷設定", IDOK);
  PrintSamples(form->Hwnd(), u"サンプル", form->List(), status, printer);
  EXPECT_TRUE(ok.Came());
  EXPECT_EQ(printer.opened, 1);
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
}

// Acts on the print dialog once it shows, from a timer of the modal loop.
std::function<void(HWND dialog)> inPrintDialog;
void CALLBACK VisitPrintDialog(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND dialog = FindWindowW(nullptr, L"印刷設定");
  if (!dialog || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, id);
  inPrintDialog(dialog);
}

TEST_F(Printing, ThePrintDialogKeepsItsOptionsForTheRun) {
  FakePrinter printer;
  std::vector<bool> fullPathShown;
  inPrintDialog = [&](HWND dialog) {
    const HWND fullPath = FindWindowExW(dialog, nullptr, L"Button", L"フォント名をフルパスで表示");
    fullPathShown.push_back(SendMessageW(fullPath, BM_GETCHECK, 0, 0) == BST_CHECKED);
    SendMessageW(fullPath, BM_CLICK, 0, 0);
    SendMessageW(FindWindowExW(dialog, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
  };
  for (int run = 0; run < 2; ++run) {  // the second run turns the option back off
    SetTimer(nullptr, 0, 20, VisitPrintDialog);
    PrintSamples(form->Hwnd(), u"", form->List(), status, printer);
  }
  EXPECT_EQ(fullPathShown, (std::vector<bool>{false, true}));
  EXPECT_EQ(printer.opened, 2);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
}

TEST_F(Printing, WithoutAPrinterThePrintCommandOnlySaysSo) {
  if (SystemPrinter().Available()) GTEST_SKIP() << "this prefix has a printer";
  EXPECT_TRUE(form->FormActions().IsEnabled(Action_Print));
  auto dialog = AnswerNextDialog(L"印刷設定", IDCANCEL);
  SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(Action_Print, 0), 0);
  PumpUntilIdle();
  EXPECT_FALSE(dialog.Came());
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[0].Text, u"プリンタが見つかりません。プリンタを設定してから印刷してください。");
  EXPECT_EQ(recorder.messages[0].Icon, MessageIcon::Warning);

  TForm_MyPrintDialog printDialog(form->Hwnd(), SystemPrinter());
  SendMessageW(printDialog.Button_PrintSetting->hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(recorder.messages.size(), 2u);
}

}  // namespace
}  // namespace velura::testing
