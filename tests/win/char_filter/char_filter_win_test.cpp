// "文字で絞り込む" in the not-installed browser, over fonts generated to cover or miss chosen characters:
// what the tree, the samples, the status bar and the details panel show as the user picks a set or types.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "fontfile/char_sets.h"
#include "platform/ansi_win.h"
#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/dpi_change_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/browsers/form_local_win.h"
#include "ui/onetime/form_onetime_inst_win.h"
#include "ui/onetime/form_onetime_sub_win.h"

namespace velura::testing {
namespace {

const std::wstring kCovers = L"Velura Covers Kana";
const std::wstring kMisses = L"Velura Misses Kana";

std::vector<char32_t> Ascii() {
  std::vector<char32_t> points;
  for (char32_t c = 0x20; c < 0x7F; ++c) points.push_back(c);
  return points;
}

class CharFilterInBrowser : public BrowserTest {
 protected:
  static void SetUpTestSuite() {
    folder_ = NewTempFolder(L"velura_char_filter");
    std::vector<char32_t> covers = Ascii(), misses = Ascii();
    const auto kana = CharSetCodePoints(CharSetId::Kana);
    covers.insert(covers.end(), kana.begin(), kana.end());
    covers.push_back(U'\U00020B9F');  // 𠮟, beyond the BMP
    misses.push_back(U'あ');
    ASSERT_TRUE(WriteFontMapping(folder_ + L"\\covers.ttf", ToU16(kCovers), covers));
    ASSERT_TRUE(WriteFontMapping(folder_ + L"\\misses.ttf", ToU16(kMisses), misses));
  }
  static void TearDownTestSuite() { RemoveFolderTree(folder_); }

  void SetUp() override {
    LoadInstalled();
    form = std::make_unique<Tform_local>(Engine(), settings, [] {});
    form->FormShow();
    form->Show(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(form->OpenFolder(folder_));
    PumpUntilIdle();
  }
  void TearDown() override { form.reset(); }

  // The texts of the file nodes, in tree order.
  std::vector<std::wstring> ShownFiles() {
    std::vector<std::wstring> files;
    TreeViewFileTree& tree = form->FileTree();
    for (auto node = tree.FirstChild(tree.First()); node; node = tree.NextSibling(node))
      files.push_back(tree.Text(node));
    return files;
  }
  bool Shows(const std::wstring& family) {
    for (const std::wstring& text : ShownFiles())
      if (text.find(family) != std::wstring::npos) return true;
    return false;
  }
  std::vector<std::wstring> SampleLines() {
    const HWND list = form->Samples().ListHwnd();
    std::vector<std::wstring> lines;
    for (LRESULT i = 0, n = SendMessageW(list, LB_GETCOUNT, 0, 0); i < n; ++i) {
      std::wstring line(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
      SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
      lines.push_back(line);
    }
    return lines;
  }
  void Type(const std::wstring& text) {
    SetWindowTextW(form->CharFilterBox().Edit_CharFilterText->hwnd, text.c_str());  // sends EN_CHANGE
    PumpUntilIdle();
  }
  void Choose(int index) {
    const ui::Control& box = *form->CharFilterBox().ComboBox_CharSet;
    SendMessageW(box.hwnd, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(box.hwnd), WM_COMMAND, MAKEWPARAM(box.id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box.hwnd));
    PumpUntilIdle();
  }
  std::wstring StatusPanel(int part) {
    wchar_t text[512]{};
    SendMessageW(form->StatusBar1->hwnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
  }

  static inline std::wstring folder_;
  std::unique_ptr<Tform_local> form;
};

TEST_F(CharFilterInBrowser, TypedTextAndSetsShowOnlyTheFontsThatMapThemAndHiddenTicksStayCounted) {
  ASSERT_EQ(ShownFiles().size(), 2u);
  SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(Action_SelectAll, 0), 0);
  PumpUntilIdle();

  Type(L"\U00020B9F");
  EXPECT_TRUE(Shows(kCovers));
  EXPECT_FALSE(Shows(kMisses));
  EXPECT_EQ(SampleLines(), std::vector<std::wstring>{L"\U00020B9F"});  // the typed text is the sample
  EXPECT_NE(StatusPanel(2).find(L"非表示のチェック済み 1"), std::wstring::npos) << StatusPanel(2);

  Type(L"あ");
  EXPECT_EQ(ShownFiles().size(), 2u);
  EXPECT_EQ(StatusPanel(2).find(L"非表示"), std::wstring::npos);

  Type(L"");
  Choose(1);  // かな
  EXPECT_TRUE(Shows(kCovers));
  EXPECT_FALSE(Shows(kMisses));
  EXPECT_NE(SampleLines().at(0).find(kCovers), std::wstring::npos);  // without a text, the face's name again

  Choose(0);  // すべて表示: the hidden file is back, still ticked
  ASSERT_EQ(ShownFiles().size(), 2u);
  for (const auto& record : form->List().Items) EXPECT_TRUE(record->Has(Selected));
}

TEST_F(CharFilterInBrowser, DetailsPanelListsTheFacesShareOfEachSet) {
  TreeViewFileTree& tree = form->FileTree();
  for (auto node = tree.FirstChild(tree.First()); node; node = tree.NextSibling(node))
    if (tree.Text(node).find(kCovers) != std::wstring::npos) tree.Select(node);
  PumpUntilIdle();
  const std::wstring lines = ui::WindowText(form->Details().TntMemo_CharSets->hwnd);
  EXPECT_NE(lines.find(L"かな　176 / 176 (100%)"), std::wstring::npos) << lines;
  EXPECT_NE(lines.find(L"常用漢字　1 / 2136 (0%)"), std::wstring::npos) << lines;  // 𠮟 is one

  // The one-time install's details window shows the same panel in a column of its own.
  TForm_OneTime_sub sub(form->Hwnd());
  sub.ShowFace(*tree.Record(tree.Selected()), 0);
  sub.Toggle();
  PumpUntilIdle();
  EXPECT_EQ(ui::WindowText(sub.Details().TntMemo_CharSets->hwnd), lines);

  Type(L"Aあ");
  for (int dpi : {96, 120, 144}) {  // looked at: the section's lines, the filter boxes
    ChangeDpi(form->Hwnd(), dpi);
    ChangeDpi(sub.Hwnd(), dpi);
    EXPECT_TRUE(SavePng(CaptureWindow(form->Hwnd()), ScreenshotPath(L"char_filter_local_" + std::to_wstring(dpi) + L".png")));
    EXPECT_TRUE(SavePng(CaptureWindow(sub.Hwnd()), ScreenshotPath(L"char_filter_details_" + std::to_wstring(dpi) + L".png")));
  }
}

TEST_F(CharFilterInBrowser, TheOneTimeWindowFiltersItsFontViewAndCountsHiddenTicks) {
  TGroupRootClass groups{[](TFileData_OneTimeInst&) {}};  // registrations last until the process ends
  TGroupItem& group = groups.AddGroup(nullptr);
  group.GroupName = "filter";
  group.AddPath(ToAnsi(ToU16(folder_)), true);
  TForm_OneTimeInst onetime(Engine(), settings, groups, [] {});
  onetime.Open();
  onetime.SelectGroup(&group);
  SendMessageW(onetime.Hwnd(), WM_COMMAND, MAKEWPARAM(Action_ShowSample, 0), 0);
  PumpUntilIdle();
  ASSERT_EQ(onetime.FontTree().Count(), 2);
  for (const auto& record : group.PathCollection[0]->FontList->Items) record->Set(Selected);

  SetWindowTextW(onetime.CharFilterBox().Edit_CharFilterText->hwnd, L"\U00020B9F");
  PumpUntilIdle();
  EXPECT_EQ(onetime.FontTree().Count(), 1);
  EXPECT_NE(onetime.FontTree().Text(onetime.FontTree().First()).find(kCovers), std::wstring::npos);
  wchar_t status[512]{};
  SendMessageW(onetime.StatusBar1->hwnd, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(std::wstring(status).rfind(L"非表示のチェック済み 1", 0), 0u) << status;
}

}  // namespace
}  // namespace velura::testing
