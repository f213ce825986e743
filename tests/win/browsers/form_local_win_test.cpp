// The not-installed browser on a folder of real fonts, driven as a user drives it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwctype>

#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "records/record_rules.h"
#include "support/browser_fixture_win.h"
#include "support/dialog_answer_win.h"
#include "support/file_bytes_win.h"
#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/fontviews/file_order.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/browsers/form_local_win.h"

namespace velura::testing {
namespace {

const std::u16string kLatin = u"Velura Brws 001";



class LocalBrowser : public BrowserTest {
 protected:
  static void SetUpTestSuite() {
    folder_ = NewTempFolder(L"velura_local_test");
    CopyFileW(L"Z:\\usr\\share\\fonts\\opentype\\ipafont-gothic\\ipag.ttf", (folder_ + L"\\日本語ゴシック.ttf").c_str(), FALSE);
    WriteRenamedFont(folder_ + L"\\brws.ttf", kLatin);
    WriteRenamedFontFrom(u"Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationSans-Bold.ttf", folder_ + L"\\brwsbd.ttf",
                         kLatin);
    CopyFileW(L"Z:\\usr\\share\\fonts\\truetype\\wqy\\wqy-zenhei.ttc", (folder_ + L"\\zenhei.ttc").c_str(), FALSE);
    CopyFileW(L"Z:\\usr\\share\\fonts\\opentype\\urw-base35\\C059-Roman.otf", (folder_ + L"\\C059-Roman.otf").c_str(), FALSE);
    CopyFileW(L"Z:\\usr\\share\\wine\\fonts\\marlett.ttf", (folder_ + L"\\記号.ttf").c_str(), FALSE);
    WriteFileBytes(folder_ + L"\\notafont.ttf", "this is no font");
  }
  static void TearDownTestSuite() { RemoveFolderTree(folder_); }

  // Every test starts with fresh settings: no previous folder.
  void SetUp() override {
    LoadInstalled();
    form = std::make_unique<Tform_local>(Engine(), settings, [this] { ++mainShown; });
    form->FormShow();
  }
  void TearDown() override { form.reset(); }

  void Open() {
    ASSERT_TRUE(form->OpenFolder(folder_));
    PumpUntilIdle();
  }
  std::vector<FileTree::Node> Files() {
    std::vector<FileTree::Node> files;
    TreeViewFileTree& t = form->FileTree();
    for (auto n = t.FirstChild(t.First()); n; n = t.NextSibling(n)) files.push_back(n);
    return files;
  }
  FileTree::Node FileNamed(const std::u16string& fileName) {
    for (auto n : Files())
      if (auto* r = form->FileTree().Record(n); r && r->Path.ends_with(u"\\" + fileName)) return n;
    return nullptr;
  }
  std::wstring Status(int part) {
    wchar_t text[256] = {};
    SendMessageW(form->StatusBar1->hwnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
  }
  bool Enabled(int action) { return form->FormActions().IsEnabled(action); }
  void Command(int action) { SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0); }

  static std::wstring folder_;
  std::vector<MessageRequest>& messages = recorder.messages;
  std::unique_ptr<Tform_local> form;
  int mainShown = 0;
};
std::wstring LocalBrowser::folder_;

TEST_F(LocalBrowser, ShowsTheFolderAsTreeSamplesAndDetails) {
  Open();
  EXPECT_EQ(ui::WindowText(form->Hwnd()), L"未インストールフォント");
  TreeViewFileTree& tree = form->FileTree();
  ASSERT_TRUE(tree.First());
  EXPECT_EQ(tree.Text(tree.First()), folder_);
  // The file that is no font is reported and left out.
  ASSERT_EQ(messages.size(), 1u) << recorder.Describe();
  EXPECT_NE(messages[0].Text.find(u"以下のフォントはファイルの読み込みに失敗しました"), std::u16string::npos);
  EXPECT_NE(messages[0].Text.find(u"notafont.ttf"), std::u16string::npos);

  const auto files = Files();
  ASSERT_EQ(files.size(), 6u);
  int faces = 0, previousGroup = -1000;
  for (auto n : files) {
    const TFileDataItem* r = tree.Record(n);
    ASSERT_TRUE(r) << ToU16(tree.Text(n)).size();
    EXPECT_EQ(tree.Text(n), ToWide(DisplayText(*r, 0)));
    EXPECT_EQ(tree.StateImage(n), StateImageIndex(*r));
    EXPECT_GE(SortGroup(*r), previousGroup) << "sorted by group";
    previousGroup = SortGroup(*r);
    faces += static_cast<int>(r->DisplayNames.size());
  }
  // The collection has a child per further face.
  const auto zenhei = FileNamed(u"zenhei.ttc");
  ASSERT_TRUE(zenhei);
  EXPECT_EQ(tree.Text(tree.FirstChild(zenhei)), ToWide(tree.Record(zenhei)->DisplayNames[1].DisplayFullName));
  EXPECT_EQ(tree.StateImage(FileNamed(u"記号.ttf")) % 2, 1);

  // One sample line per face, 2 x size + 26 high.
  const HWND samples = form->Samples().TntListBox_zel_Sample.Hwnd();
  EXPECT_EQ(SendMessageW(samples, LB_GETCOUNT, 0, 0), faces);
  EXPECT_EQ(form->SampleSize(), 24);  // the default size when the size is not remembered
  EXPECT_EQ(SendMessageW(samples, LB_GETITEMHEIGHT, 0, 0), 2 * 24 + 26);
  Command(ps9 + 10);
  EXPECT_EQ(form->SampleSize(), 90);
  EXPECT_EQ(SendMessageW(samples, LB_GETITEMHEIGHT, 0, 0), 206);
  form->SetSampleSize(20);  // not offered: no item checked
  HMENU sampleMenu = GetSubMenu(form->MenuBar(), 2);
  SendMessageW(form->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(sampleMenu, 0)), 0);
  for (int i = 0; i < 11; ++i) EXPECT_FALSE(GetMenuState(sampleMenu, ps9 + i, MF_BYCOMMAND) & MF_CHECKED) << i;
  form->SetSampleSize(18);
  SendMessageW(form->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(sampleMenu, 0)), 0);
  EXPECT_TRUE(GetMenuState(sampleMenu, ps9 + 2, MF_BYCOMMAND) & MF_CHECKED);

  // The details follow the selection; the sample list's selection follows too.
  const auto bold = FileNamed(u"brwsbd.ttf");
  ASSERT_TRUE(bold);
  tree.Select(bold);
  EXPECT_EQ(ui::WindowText(form->Details().TntMemo_FullFontName->hwnd), ToWide(kLatin) + L" Bold");
  EXPECT_EQ(ui::WindowText(form->Details().TntMemo_FileName->hwnd), L"brwsbd.ttf");
  EXPECT_EQ(ui::WindowText(form->Details().Panel_FontType.Hwnd()), L"TrueType");
  EXPECT_EQ(ui::WindowText(form->Details().Label_Copyright->hwnd).rfind(L"Copyright (", 0), 0u);
  EXPECT_GE(SendMessageW(form->Details().TntStringGrid_FullFontNames->hwnd, LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(samples, LB_GETCURSEL, 0, 0), tree.Record(bold)->DisplayNames[0].ListIndex);
  EXPECT_EQ(Status(0), L"未インストール");
  tree.Select(FileNamed(u"C059-Roman.otf"));
  EXPECT_EQ(ui::WindowText(form->Details().Panel_FontType.Hwnd()), L"OpenType");

  // A click on a sample line selects its node.
  SendMessageW(samples, LB_SETCURSEL, 0, 0);
  form->Samples().TntListBox_zel_Sample.Click();
  EXPECT_EQ(tree.Selected(), ListBoxSampleList::NodeOfLine(samples, 0));

  // A typed letter moves to the next line starting with it, whatever its case, and the tree follows.
  const auto lineText = [&](int line) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(samples, LB_GETTEXTLEN, line, 0)), L'\0');
    SendMessageW(samples, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
    return text;
  };
  const wchar_t letter = lineText(0).at(0);
  int next = 0;
  for (int line = 1; line < faces && next == 0; ++line)
    if (towlower(lineText(line).at(0)) == towlower(letter)) next = line;
  SendMessageW(samples, WM_CHAR, iswupper(letter) ? towlower(letter) : towupper(letter), 0);
  EXPECT_EQ(SendMessageW(samples, LB_GETCURSEL, 0, 0), next);
  EXPECT_EQ(tree.Selected(), ListBoxSampleList::NodeOfLine(samples, next));

  // A text chosen from the combo's list goes on every line as the list has it: while the choice is being
  // reported the combo's edit still holds the former text.
  const HWND combo = form->Samples().TntComboBox_SampleText->hwnd;
  const auto choose = [&](int index) {
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SetWindowTextW(combo, L"前の見本");
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  };
  choose(1);
  std::wstring chosen(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, 1, 0)), L'\0');
  SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(chosen.data()));
  EXPECT_EQ(lineText(0), chosen);
  EXPECT_EQ(lineText(faces - 1), chosen);
  choose(0);  // each face's name again
  EXPECT_EQ(lineText(0).at(0), letter);

  int installable = 0;
  for (auto n : files) {
    const TFileDataItem* r = tree.Record(n);
    installable += (!r->Has(Installed) && !r->Has(RegisteredOnly)) || r->Has(OtherVersionInstalled);
  }
  EXPECT_EQ(Status(1), L" 選択数： 0 （0KB）");
  EXPECT_EQ(Status(2), L" ファイル数： 6　（インストール可能数： " + std::to_wstring(installable) + L"）");

  form->Show(SW_SHOWNORMAL);
  tree.Select(files[0]);
  PumpUntilIdle();
  const int latinLine = tree.Record(FileNamed(u"brws.ttf"))->DisplayNames[0].ListIndex;
  SendMessageW(samples, LB_SETTOPINDEX, latinLine, 0);
  const Picture picture = CaptureWindow(form->Hwnd());
  SavePng(picture, ScreenshotPath(L"local_browser.png"));

  // The renamed font's sample, below the line's caption, is drawn in that font (known to Windows only
  // through the folder's preview registration), not in the list's own font.
  RECT line{};
  SendMessageW(samples, LB_GETITEMRECT, latinLine, reinterpret_cast<LPARAM>(&line));
  line.top += 25;
  const Picture shown = Crop(picture, AreaInCapture(form->Hwnd(), samples, line));
  std::wstring sample(static_cast<std::size_t>(SendMessageW(samples, LB_GETTEXTLEN, latinLine, 0)), L'\0');
  SendMessageW(samples, LB_GETTEXT, latinLine, reinterpret_cast<LPARAM>(sample.data()));
  auto drawn = [&](HFONT font) {
    return RenderText(shown.width, shown.height, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), font, 24,
                      0, sample);
  };
  LOGFONTW own{};
  ASSERT_TRUE(FindLogFont(ToWide(kLatin), own));
  own.lfHeight = -MulDiv(form->SampleSize(), form->Dpi(), 72);
  own.lfWidth = 0;
  own.lfWeight = FW_NORMAL;
  ui::UniqueFont ownFont(CreateFontIndirectW(&own));
  EXPECT_EQ(DifferingPixels(shown, drawn(ownFont.Get())), 0);
  EXPECT_GT(DifferingPixels(shown, drawn(reinterpret_cast<HFONT>(SendMessageW(samples, WM_GETFONT, 0, 0)))), 500);
}

TEST_F(LocalBrowser, TicksByIconSpaceAndDoubleClickAndEnablesByTheTable) {
  EXPECT_FALSE(Enabled(Action_SelectAll));  // nothing loaded
  EXPECT_FALSE(Enabled(Action_ExportTreeTxt));
  Open();
  TreeViewFileTree& tree = form->FileTree();
  EXPECT_TRUE(Enabled(Action_SelectAll));
  EXPECT_FALSE(Enabled(Action_install));  // nothing ticked
  EXPECT_FALSE(Enabled(Action_SendOneTimeInst));  // no window to hand over to yet

  const auto regular = FileNamed(u"brws.ttf");
  ASSERT_TRUE(regular);
  RECT text{};
  HTREEITEM regularItem = TreeViewFileTree::Item(regular);
  std::memcpy(&text, &regularItem, sizeof regularItem);  // TVM_GETITEMRECT takes the item in the rectangle
  ASSERT_TRUE(SendMessageW(tree.Hwnd(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text)));
  const LPARAM icon = MAKELPARAM(text.left - 6, (text.top + text.bottom) / 2);
  PostMessageW(tree.Hwnd(), WM_LBUTTONUP, 0, icon);  // ends the tree's drag detection at once
  SendMessageW(tree.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, icon);
  EXPECT_TRUE(tree.Record(regular)->Has(Selected));
  EXPECT_EQ(tree.StateImage(regular) % 2, 0);
  EXPECT_EQ(Status(1).rfind(L" 選択数： 1 （", 0), 0u);
  EXPECT_TRUE(Enabled(Action_install));
  Engine().IsAdmin = false;
  Engine().WindowsBuild = 7601;  // Windows 7, whatever the prefix reports: no per-user install either
  EXPECT_FALSE(Enabled(Action_install));
  EXPECT_TRUE(Enabled(Action_CopyFile));
  Engine().IsAdmin = true;

  // Space on a face child ticks its whole file.
  const auto zenhei = FileNamed(u"zenhei.ttc");
  tree.Select(tree.FirstChild(zenhei));
  SendMessageW(tree.Hwnd(), WM_CHAR, L' ', 0);
  EXPECT_TRUE(tree.Record(zenhei)->Has(Selected));
  EXPECT_EQ(tree.StateImage(zenhei), tree.StateImage(tree.FirstChild(zenhei)));
  EXPECT_EQ(Status(1).rfind(L" 選択数： 2 （", 0), 0u);

  // A double click on a sample line toggles its file.
  const HWND samples = form->Samples().TntListBox_zel_Sample.Hwnd();
  const int line = tree.Record(regular)->DisplayNames[0].ListIndex;
  SendMessageW(samples, LB_SETCURSEL, line, 0);
  SendMessageW(GetParent(samples), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(samples), LBN_DBLCLK), reinterpret_cast<LPARAM>(samples));
  EXPECT_FALSE(tree.Record(regular)->Has(Selected));

  // Select all, invert and untick leave installed files alone.
  auto tickable = [&](FileTree::Node n) { return IsTickableImage(StateImageIndex(*tree.Record(n) )) ; };
  Command(Action_SelectAll);
  for (auto n : Files()) EXPECT_EQ(tree.Record(n)->Has(Selected), tickable(n)) << tree.Text(n).size();
  Command(Action_Reversal);
  for (auto n : Files()) EXPECT_FALSE(tree.Record(n)->Has(Selected));
  tree.Record(regular)->Set(Selected);
  RefreshStateImages(tree);
  Command(Action_Reversal);
  for (auto n : Files()) EXPECT_EQ(tree.Record(n)->Has(Selected), tickable(n) && n != regular);
  Command(Action_UnSelectAll);
  for (auto n : Files()) {
    EXPECT_FALSE(tree.Record(n)->Has(Selected));
    EXPECT_EQ(tree.StateImage(n), StateImageIndex(*tree.Record(n)));
  }
  EXPECT_EQ(Status(1), L" 選択数： 0 （0KB）");
}

TEST_F(LocalBrowser, CopyWithTheTreeFocusedTakesTheSelectedNodesText) {
  Open();
  const std::size_t reported = messages.size();  // the folder's unreadable file
  TreeViewFileTree& tree = form->FileTree();
  const FileTree::Node node = FileNamed(u"brws.ttf");
  ASSERT_NE(node, nullptr);
  tree.Select(node);
  SetWindowTextW(form->Details().TntRichEdit_Copyright->hwnd, L"著作権の欄");
  SetFocus(tree.Hwnd());
  ASSERT_EQ(GetFocus(), tree.Hwnd());
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();  // nothing left from an earlier copy
  CloseClipboard();
  Command(EditSelectAll1);  // nothing to select in a tree
  Command(EditCopy1);
  std::wstring copied;
  ASSERT_TRUE(OpenClipboard(nullptr));
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) copied = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  EXPECT_EQ(copied, tree.Text(node));
  EXPECT_NE(copied.find(L"brws.ttf"), std::wstring::npos);
  EXPECT_EQ(messages.size(), reported) << recorder.Describe();
}

TEST_F(LocalBrowser, ExportsTheTreeAsTabbedUtf16Lines) {
  Open();
  const std::wstring out = folder_ + L"\\..\\velura_tree.txt";
  ASSERT_TRUE(form->ExportTreeTo(out));
  const std::string bytes = ReadFileBytes(out);
  DeleteFileW(out.c_str());
  // Walk the tree view itself in display order.
  std::u16string expected = u"\xFEFF";
  TreeViewFileTree& tree = form->FileTree();
  for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree.Hwnd(), TVM_GETNEXTITEM, TVGN_ROOT, 0)); item;
       item = reinterpret_cast<HTREEITEM>(SendMessageW(tree.Hwnd(), TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)))) {
    const auto node = tree.NodeOfItem(item);
    expected += std::u16string(static_cast<std::size_t>(tree.Level(node)), u'\t') + ToU16(tree.Text(node)) + u"\r\n";
  }
  ASSERT_EQ(bytes.size(), expected.size() * 2);
  EXPECT_EQ(0, std::memcmp(bytes.data(), expected.data(), bytes.size()));
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_NE(expected.find(u"\n\t\t"), std::u16string::npos);  // the collection's faces sit one level deeper
}

TEST_F(LocalBrowser, InstallsTwoTickedFilesThroughTheDestinationDialog) {
  Open();
  TreeViewFileTree& tree = form->FileTree();
  const auto regular = FileNamed(u"brws.ttf"), bold = FileNamed(u"brwsbd.ttf");
  ASSERT_TRUE(regular && bold);
  ToggleNodeTick(tree, regular);
  ToggleNodeTick(tree, bold);
  auto destination = AnswerNextDialog(L"インストール先", L"OK");
  Command(Action_install);
  EXPECT_TRUE(destination.Clicked());
  TProcedureClass& engine = Engine();
  const std::wstring fonts = ToWide(engine.FontsFolder);
  EXPECT_NE(GetFileAttributesW((fonts + L"\\brws.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesW((fonts + L"\\brwsbd.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
  engine.RegData().LoadFontsList();
  EXPECT_TRUE(engine.RegData().IsRegisteredName(kLatin + u" (TrueType)"));
  EXPECT_TRUE(engine.RegData().IsRegisteredName(kLatin + u" Bold (TrueType)"));
  for (auto n : {regular, bold}) {
    EXPECT_TRUE(tree.Record(n)->Has(InstalledNow));
    EXPECT_EQ(tree.StateImage(n), StateImageIndex(*tree.Record(n)));
  }
  ASSERT_EQ(messages.size(), 1u) << recorder.Describe();  // only the load report of the file that is no font
  EXPECT_NE(messages[0].Text.find(u"notafont.ttf"), std::u16string::npos);

  // Leave the system as it was.
  for (auto& r : engine.Installed().Items)
    if (r->Path == ToU16(fonts + L"\\brws.ttf") || r->Path == ToU16(fonts + L"\\brwsbd.ttf")) r->Set(Selected);
  engine.UninstallSelected(progress);
  EXPECT_EQ(GetFileAttributesW((fonts + L"\\brws.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(LocalBrowser, ClosingReleasesTheListStoresThePlaceAndShowsTheLauncher) {
  Open();
  EXPECT_GT(form->List().Count(), 0);
  SendMessageW(form->Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form->List().Count(), 0);
  EXPECT_EQ(form->FileTree().Count(), 0);
  EXPECT_FALSE(IsWindowVisible(form->Hwnd()));
  EXPECT_EQ(mainShown, 1);
  EXPECT_EQ(settings.ReadPreviousFolder(), ToU16(folder_));
}

}  // namespace
}  // namespace velura::testing
