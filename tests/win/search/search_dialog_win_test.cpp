// The search dialog over the not-installed browser showing a folder of renamed fonts, driven with clicks.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/browsers/form_local_win.h"
#include "ui/browsers/search_rules.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/message_loop_win.h"

namespace velura::testing {
namespace {

const wchar_t* const kLiberation = L"Z:\\usr\\share\\fonts\\truetype\\liberation2\\";

class SearchDialog : public BrowserTest {
 protected:
  // One folder for the whole process: Wine's font code may fail on a second folder loaded after drawing.
  static void SetUpTestSuite() {
    folder_ = NewTempFolder(L"velura_search_test");
    auto write = [](const wchar_t* source, const wchar_t* name, const char16_t* family) {
      WriteRenamedFontFrom(ToU16(std::wstring(kLiberation) + source), folder_ + L"\\" + name, family);
    };
    write(L"LiberationSans-Regular.ttf", L"alpha.ttf", u"Srch Alpha Sans");
    write(L"LiberationSans-Bold.ttf", L"alphabd.ttf", u"Srch Alpha Sans");
    write(L"LiberationSans-Italic.ttf", L"beta.ttf", u"Srch Beta Plain");
    write(L"LiberationMono-Regular.ttf", L"gamma.ttf", u"Srch Gamma Mono");
    write(L"LiberationSans-Regular.ttf", L"delta.ttf", u"Srch Delta Sans");
  }
  static void TearDownTestSuite() { RemoveFolderTree(folder_); }

  void SetUp() override {
    LoadInstalled();
    form = std::make_unique<Tform_local>(Engine(), settings, [] {});
    form->FormShow();
    form->Show(SW_SHOWNORMAL);
    ASSERT_TRUE(form->OpenFolder(folder_));
    PumpUntilIdle();
  }
  void TearDown() override { form.reset(); }

  void Command(int action) { SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0); }
  TForm_SearchDlg& Open() {
    Command(Action_ShowSearchWndExecute);
    PumpUntilIdle();
    TForm_SearchDlg* dialog = form->SearchDialog();
    if (!dialog) throw std::runtime_error("no search dialog");
    return *dialog;
  }
  void Click(const ui::Control* button) {
    SendMessageW(button->hwnd, BM_CLICK, 0, 0);
    PumpUntilIdle();
  }
  void Search(TForm_SearchDlg& dialog, const std::wstring& text) {
    SetWindowTextW(dialog.TntComboBox_Search->hwnd, text.c_str());
    Click(dialog.Button_FontSearch);
  }
  static void Check(const ui::Control* box, bool on) {
    SendMessageW(box->hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  std::u16string FileOf(FileTree::Node node) {
    const TFileDataItem* record = form->FileTree().Record(node);
    return record ? record->Path.substr(record->Path.rfind(u'\\') + 1) : u"";
  }
  std::u16string SelectedFile() { return FileOf(form->FileTree().Selected()); }
  // The files (a file's further faces would say which face) whose nodes carry the mark, in tree order.
  std::vector<std::u16string> FoundFiles() {
    std::vector<std::u16string> found;
    TreeViewFileTree& tree = form->FileTree();
    for (FileTree::Node node : NodesInOrder(tree))
      if (NodeIsFound(tree, node)) found.push_back(FileOf(node));
    return found;
  }
  std::wstring Status(int part) {
    wchar_t text[256] = {};
    SendMessageW(form->StatusBar1->hwnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
  }

  static std::wstring folder_;
  std::unique_ptr<Tform_local> form;
};
std::wstring SearchDialog::folder_;

TEST_F(SearchDialog, OpensOverTheTreeWithItsCaptionsAndTheStoredOptions) {
  SearchOptions stored;
  stored.AndMode = true;
  stored.FileName = true;
  stored.FontName = false;
  stored.PitchIndex = 2;
  stored.History = {u"older", u"", u"oldest"};
  settings.WriteSearchOptions(stored);
  EXPECT_TRUE(form->FormActions().IsEnabled(Action_ShowSearchWndExecute));
  TForm_SearchDlg& dialog = Open();

  EXPECT_EQ(ui::WindowText(dialog.Hwnd()), L"検索（未インストール窓）");
  EXPECT_EQ(GetWindow(dialog.Hwnd(), GW_OWNER), form->Hwnd()) << "kept in front of its browser";
  EXPECT_TRUE(IsWindowVisible(dialog.Hwnd()));
  RECT browser{}, tree{}, frame{};
  GetWindowRect(form->Hwnd(), &browser);
  GetWindowRect(form->FileTree().Hwnd(), &tree);
  GetWindowRect(dialog.Hwnd(), &frame);
  EXPECT_EQ(frame.top, browser.top + 30);
  EXPECT_EQ(frame.left, browser.left + (tree.right - tree.left));
  RECT client{};
  GetClientRect(dialog.Hwnd(), &client);
  EXPECT_EQ(client.right, 247);
  EXPECT_EQ(client.bottom, 200);

  const std::pair<const ui::Control*, const wchar_t*> captions[] = {
      {dialog.CheckBox_FS_FileName, L"ファイル名"},
      {dialog.CheckBox_FS_FontName, L"フォント名"},
      {dialog.CheckBox_FS_OtherFontName, L"規定以外の言語"},
      {dialog.CheckBox_FS_FullFontName, L"FullFontName"},
      {dialog.RadioButton_AND, L"AND"},
      {dialog.RadioButton_OR, L"OR"},
      {dialog.Button_FontSearch, L"検索"},
      {dialog.Button_NextSearch, L"↓"},
      {dialog.Button_PrevSearch, L"↑"},
      {dialog.Button_SearchClear, L"クリア"}};
  for (const auto& [control, caption] : captions) EXPECT_EQ(ui::WindowText(control->hwnd), caption);
  std::vector<std::wstring> pitches;
  for (int i = 0; i < ui::ComboItemCount(*dialog.ComboBox_Pich); ++i)
    pitches.push_back(ui::ComboItemText(*dialog.ComboBox_Pich, i));
  EXPECT_EQ(pitches,
            (std::vector<std::wstring>{L"すべて", L"FIXED_PITCH", L"VARIABLE_PITCH", L"DEFAULT_PITCH", L"MONO_FONT"}));

  const SearchQuery query = dialog.Query();
  EXPECT_TRUE(query.fileName);
  EXPECT_FALSE(query.fontName);
  EXPECT_TRUE(query.andMode);
  EXPECT_EQ(query.pitchIndex, 2);
  ASSERT_EQ(ui::ComboItemCount(*dialog.TntComboBox_Search), 2) << "the empty entry is skipped";
  EXPECT_EQ(ui::ComboItemText(*dialog.TntComboBox_Search, 0), L"older");
  EXPECT_EQ(ui::ComboItemText(*dialog.TntComboBox_Search, 1), L"oldest");

  // A second "検索ウインドウを開く" keeps the one dialog.
  TForm_SearchDlg* first = &dialog;
  EXPECT_EQ(&Open(), first);
}

TEST_F(SearchDialog, MarksStepsWithWrapBothWaysAndClears) {
  TForm_SearchDlg& dialog = Open();
  Check(dialog.CheckBox_FS_FileName, false);
  Check(dialog.CheckBox_FS_FontName, true);
  Check(dialog.RadioButton_OR, false);
  Check(dialog.RadioButton_AND, true);
  Search(dialog, L"\u3000srch　 alpha ");
  EXPECT_EQ(FoundFiles(), (std::vector<std::u16string>{u"alpha.ttf", u"alphabd.ttf"}));
  EXPECT_EQ(ui::ComboEditText(*dialog.TntComboBox_Search), L"srch alpha") << "the text as it was searched";
  // The first file node was selected on loading; the search steps past it to the next mark.
  const std::u16string afterSearch = SelectedFile();
  ASSERT_TRUE(afterSearch == u"alpha.ttf" || afterSearch == u"alphabd.ttf") << ToUtf8(afterSearch);

  const std::u16string other = afterSearch == u"alpha.ttf" ? u"alphabd.ttf" : u"alpha.ttf";
  Click(dialog.Button_NextSearch);
  EXPECT_EQ(SelectedFile(), other);
  Click(dialog.Button_NextSearch);
  EXPECT_EQ(SelectedFile(), afterSearch) << "two marks: \"↓\" comes round again";
  // Wrapping from the last marked node to the first, and back.
  const auto found = FoundFiles();
  TreeViewFileTree& tree = form->FileTree();
  auto nodeOf = [&](const std::u16string& file) {
    for (FileTree::Node node : NodesInOrder(tree))
      if (FileOf(node) == file) return node;
    return FileTree::Node{};
  };
  tree.Select(nodeOf(found.back()));
  Click(dialog.Button_NextSearch);
  EXPECT_EQ(SelectedFile(), found.front());
  Click(dialog.Button_PrevSearch);
  EXPECT_EQ(SelectedFile(), found.back());
  // The sample list follows the tree.
  const TFileDataItem* selected = tree.Record(tree.Selected());
  EXPECT_EQ(SendMessageW(form->Samples().TntListBox_zel_Sample.Hwnd(), LB_GETCURSEL, 0, 0), selected->DisplayNames[0].ListIndex);

  // Unchanged marks draw yellow in the tree and the sample list.
  SendMessageW(form->Samples().TntListBox_zel_Sample.Hwnd(), LB_SETTOPINDEX, 0, 0);
  const std::uint32_t yellow = PixelOf(RGB(255, 255, 0));
  auto yellowIn = [&](HWND child) {
    RECT area{};
    GetClientRect(child, &area);
    return CountPixels(Crop(CaptureWindow(form->Hwnd()), AreaInCapture(form->Hwnd(), child, area)), yellow);
  };
  EXPECT_GT(yellowIn(tree.Hwnd()), 100);
  EXPECT_GT(yellowIn(form->Samples().TntListBox_zel_Sample.Hwnd()), 1000);
  Click(dialog.Button_SearchClear);
  EXPECT_TRUE(FoundFiles().empty());
  EXPECT_EQ(yellowIn(tree.Hwnd()), 0);
  EXPECT_EQ(yellowIn(form->Samples().TntListBox_zel_Sample.Hwnd()), 0);
}

TEST_F(SearchDialog, EnterSearchesAndTheNodeBeforeTheHitBecomesTheTopLine) {
  // A low browser: its tree shows a few lines, so the search has to scroll.
  SetWindowPos(form->Hwnd(), nullptr, 0, 0, 800, 380, SWP_NOMOVE | SWP_NOZORDER);
  PumpUntilIdle();
  TForm_SearchDlg& dialog = Open();
  Check(dialog.CheckBox_FS_FileName, true);
  SetWindowTextW(dialog.TntComboBox_Search->hwnd, L"gamma");
  const HWND edit = FindWindowExW(dialog.TntComboBox_Search->hwnd, nullptr, L"Edit", nullptr);
  ASSERT_TRUE(edit);
  SetFocus(edit);
  PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {  // the program's loop: dialog keys first
    if (ui::PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  PumpUntilIdle();
  EXPECT_EQ(FoundFiles(), std::vector<std::u16string>{u"gamma.ttf"}) << "Enter pressed \"検索\"";
  TreeViewFileTree& tree = form->FileTree();
  EXPECT_EQ(SelectedFile(), u"gamma.ttf");
  const auto nodes = NodesInOrder(tree);
  const auto at = std::find(nodes.begin(), nodes.end(), tree.Selected());
  ASSERT_TRUE(at != nodes.begin() && at != nodes.end());
  const auto top = reinterpret_cast<HTREEITEM>(SendMessageW(tree.Hwnd(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
  EXPECT_EQ(top, TreeViewFileTree::Item(*(at - 1)));
}

TEST_F(SearchDialog, AndOrFileNamesFullNamesAndPitch) {
  TForm_SearchDlg& dialog = Open();
  Check(dialog.CheckBox_FS_FileName, true);
  Check(dialog.CheckBox_FS_FontName, false);
  Check(dialog.RadioButton_AND, false);
  Check(dialog.RadioButton_OR, true);
  Search(dialog, L"BETA\u3000gamma");
  EXPECT_EQ(FoundFiles(), (std::vector<std::u16string>{u"beta.ttf", u"gamma.ttf"}));
  Check(dialog.RadioButton_OR, false);
  Check(dialog.RadioButton_AND, true);
  Search(dialog, L"alpha bd");
  EXPECT_EQ(FoundFiles(), std::vector<std::u16string>{u"alphabd.ttf"});

  Check(dialog.CheckBox_FS_FileName, false);
  Check(dialog.CheckBox_FS_FullFontName, true);
  Search(dialog, L"alpha bold");
  EXPECT_EQ(FoundFiles(), std::vector<std::u16string>{u"alphabd.ttf"}) << "both words in the full name";

  // The fixed-pitch face alone, with no text.
  ui::SetComboSelectedIndex(*dialog.ComboBox_Pich, 1);
  Search(dialog, L"");
  EXPECT_EQ(FoundFiles(), std::vector<std::u16string>{u"gamma.ttf"});
  ui::SetComboSelectedIndex(*dialog.ComboBox_Pich, 2);
  Search(dialog, L"srch");
  auto variable = FoundFiles();
  EXPECT_EQ(variable.size(), 4u);
  EXPECT_EQ(std::count(variable.begin(), variable.end(), u"gamma.ttf"), 0);
}

TEST_F(SearchDialog, TicksTheFoundFacesFiles) {
  TForm_SearchDlg& dialog = Open();
  Check(dialog.CheckBox_FS_FileName, true);
  Search(dialog, L"beta delta");
  Command(Action_SelectSearchFont);
  PumpUntilIdle();
  std::vector<std::u16string> ticked;
  for (const auto& record : form->List().Items)
    if (record->Has(Selected)) ticked.push_back(record->Path.substr(record->Path.rfind(u'\\') + 1));
  std::sort(ticked.begin(), ticked.end());
  EXPECT_EQ(ticked, (std::vector<std::u16string>{u"beta.ttf", u"delta.ttf"}));
  EXPECT_EQ(Status(1).rfind(L" 選択数： 2 ", 0), 0u) << ToUtf8(ToU16(Status(1)));
}

TEST_F(SearchDialog, StoresOptionsAndHistoryOnlyWhenClosedWithItsBrowser) {
  TForm_SearchDlg& dialog = Open();
  Check(dialog.CheckBox_FS_FullFontName, true);
  for (int i = 0; i < 10; ++i) Search(dialog, L"word" + std::to_wstring(i));
  Search(dialog, L"word5");
  ASSERT_EQ(ui::ComboItemCount(*dialog.TntComboBox_Search), 9);
  EXPECT_EQ(ui::ComboItemText(*dialog.TntComboBox_Search, 0), L"word5");
  EXPECT_EQ(settings.ReadSearchOptions().History[0], u"") << "nothing is written while the dialog is open";

  SendMessageW(form->Hwnd(), WM_CLOSE, 0, 0);
  PumpUntilIdle();
  EXPECT_EQ(form->SearchDialog(), nullptr) << "the browser frees its dialog";
  const SearchOptions stored = settings.ReadSearchOptions();
  EXPECT_TRUE(stored.FullFont);
  EXPECT_EQ(stored.History[0], u"word5");
  EXPECT_EQ(stored.History[1], u"word9");
  EXPECT_EQ(stored.History[8], u"word1");
  EXPECT_EQ(std::count(stored.History.begin(), stored.History.end(), u"word5"), 1);
}

TEST_F(SearchDialog, ClosedByTheUserItStoresAtOnceAndOpensAgainFresh) {
  TForm_SearchDlg& dialog = Open();
  Search(dialog, L"gamma");
  SendMessageW(dialog.Hwnd(), WM_CLOSE, 0, 0);
  PumpUntilIdle();
  EXPECT_FALSE(IsWindowVisible(dialog.Hwnd()));
  EXPECT_EQ(settings.ReadSearchOptions().History[0], u"gamma");
  EXPECT_TRUE(FoundFiles().empty()) << "closing the dialog removes its marks";

  TForm_SearchDlg& again = Open();
  EXPECT_TRUE(again.IsOpen());
  EXPECT_EQ(ui::ComboItemText(*again.TntComboBox_Search, 0), L"gamma");
  Search(again, L"delta");
  settings.WriteSearchOptions(SearchOptions{});
  form.reset();  // a browser destroyed without closing still closes its dialog first
  EXPECT_EQ(settings.ReadSearchOptions().History[0], u"delta");
}

TEST_F(SearchDialog, ASearchThatFindsNothingSaysSoInTheDialog) {
  TForm_SearchDlg& dialog = Open();
  EXPECT_EQ(ui::WindowText(dialog.Label_Result->hwnd), L"");
  Search(dialog, L"nowhere");
  EXPECT_TRUE(FoundFiles().empty());
  EXPECT_EQ(ui::WindowText(dialog.Label_Result->hwnd), L"見つかりませんでした");
  Search(dialog, L"gamma");
  EXPECT_EQ(ui::WindowText(dialog.Label_Result->hwnd), L"");
  for (const ui::Control* box : {dialog.CheckBox_FS_FileName, dialog.CheckBox_FS_FontName,
                                 dialog.CheckBox_FS_OtherFontName, dialog.CheckBox_FS_FullFontName})
    Check(box, false);
  Search(dialog, L"gamma");
  EXPECT_EQ(ui::WindowText(dialog.Label_Result->hwnd), L"見つかりませんでした") << "no field checked";
  Click(dialog.Button_SearchClear);
  EXPECT_EQ(ui::WindowText(dialog.Label_Result->hwnd), L"");
}

TEST_F(SearchDialog, HistoryTextsDifferingOnlyInCaseAreOneEntry) {
  TForm_SearchDlg& dialog = Open();
  Search(dialog, L"Gamma");
  Search(dialog, L"delta");
  Search(dialog, L"gamma");
  EXPECT_EQ(dialog.History(), (std::vector<std::u16string>{u"gamma", u"delta"}));
}

// Found nodes are drawn on yellow, the selected one on blue, and no other node is.
TEST_F(SearchDialog, TheFoundNodesAndOnlyThemAreMarkedInTheTree) {
  TForm_SearchDlg& dialog = Open();
  Search(dialog, L"alpha");
  Click(dialog.Button_NextSearch);
  PumpUntilIdle();
  RECT browser{};
  GetWindowRect(form->Hwnd(), &browser);
  const Picture alone = CaptureWindow(form->Hwnd());
  TreeViewFileTree& tree = form->FileTree();
  int found = 0, plain = 0;
  for (FileTree::Node node : NodesInOrder(tree)) {
    RECT text{};  // TVM_GETITEMRECT takes the item in the rectangle's first bytes
    const HTREEITEM item = TreeViewFileTree::Item(node);
    std::memcpy(&text, &item, sizeof item);
    if (!SendMessageW(tree.Hwnd(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text))) continue;
    RECT client{};  // a long name runs on past the tree, over the sample list
    GetClientRect(tree.Hwnd(), &client);
    IntersectRect(&text, &text, &client);
    const Picture shown = Crop(alone, AreaInCapture(form->Hwnd(), tree.Hwnd(), text));
    const int yellow = CountPixels(shown, PixelOf(RGB(255, 255, 0)));
    const int blue = CountPixels(shown, PixelOf(RGB(0, 0, 255)));
    SCOPED_TRACE(found + plain);
    if (!NodeIsFound(tree, node)) {
      ++plain;
      EXPECT_EQ(yellow + blue, 0);
    } else {
      ++found;
      EXPECT_GT((node == tree.Selected() ? blue : yellow) * 2, shown.width * shown.height);
    }
  }
  EXPECT_GE(found, 2);
  EXPECT_GE(plain, 2);

  // The browser with the dialog drawn over it where it stands, to look at.
  Picture picture = alone;
  const Picture over = CaptureWindow(dialog.Hwnd());
  RECT frame{};
  GetWindowRect(dialog.Hwnd(), &frame);
  for (int y = 0; y < over.height; ++y)
    for (int x = 0; x < over.width; ++x) {
      const int px = frame.left - browser.left + x, py = frame.top - browser.top + y;
      if (px >= 0 && py >= 0 && px < picture.width && py < picture.height)
        picture.pixels[static_cast<std::size_t>(py * picture.width + px)] =
            over.pixels[static_cast<std::size_t>(y * over.width + x)];
    }
  SavePng(picture, ScreenshotPath(L"search_dialog.png"));
}

}  // namespace
}  // namespace velura::testing
