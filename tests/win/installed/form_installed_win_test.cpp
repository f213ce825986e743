// The installed browser over a prepared registry: font values of our own pointing into a folder of real
// fonts, one of them named by FontSubstitutes. Wine keeps its own values too, so the tests look at the
// entries they add and at what changes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "platform/wide_win.h"
#include "records/print_job.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"
#include "ui/fontviews/file_ticks.h"
#include "support/browser_fixture_win.h"
#include "support/file_bytes_win.h"
#include "support/pump_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/browsers/form_installed_win.h"
#include "ui/browsers/form_search_dlg_win.h"
#include "ui/framework/controls_win.h"
#include "ui/fontviews/wait_box_win.h"

namespace velura::testing {
namespace {

const wchar_t kFontsKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
const wchar_t kSubstitutesKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";

void SetValue(const wchar_t* key, const std::wstring& name, const std::wstring& data) {
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

void DeleteValue(const wchar_t* key, const std::wstring& name) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS) return;
  RegDeleteValueW(handle, name.c_str());
  RegCloseKey(handle);
}

bool HasValue(const wchar_t* key, const std::wstring& name) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return false;
  const bool found = RegQueryValueExW(handle, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return found;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Our values: a plain file padded to 1,536,000 bytes, a second plain file, a file FontSubstitutes names,
// a collection of two fonts whose family FontSubstitutes names too, and a value whose folder holds nothing.
struct OurFont {
  const wchar_t* value;
  const wchar_t* file;
};
const OurFont kOurFonts[] = {{L"Velura Inst A (TrueType)", L"insta.ttf"},
                             {L"Velura Inst B (TrueType)", L"instb.ttf"},
                             {L"Velura Inst P (TrueType)", L"instp.ttf"},
                             {L"WenQuanYi Zen Hei & WenQuanYi Zen Hei Mono (TrueType)", L"pair.ttc"}};
// A file of ours in the fonts folder itself, named by its bare file name as Windows names its own.
const wchar_t kFontsFolderValue[] = L"Velura Inst C (TrueType)";
const wchar_t kFontsFolderFile[] = L"velura_inst_c.ttf";
std::wstring FontsFolder() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  return std::wstring(windows) + L"\\Fonts";
}
const wchar_t kEmptyFolderValue[] = L"Velura Inst Gone (TrueType)";
const wchar_t kSubstituteA[] = L"Velura Inst Guard P";
const wchar_t kSubstituteB[] = L"Velura Inst Guard Pair";

class InstalledBrowser : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = NewTempFolder(L"velura_installed_test");
    WriteRenamedFont(folder_ + L"\\insta.ttf", u"Velura Inst A01");
    WriteRenamedFont(folder_ + L"\\instb.ttf", u"Velura Inst B01");
    WriteRenamedFont(folder_ + L"\\instp.ttf", u"Velura Inst P01");
    CopyFileW(L"Z:\\usr\\share\\fonts\\truetype\\wqy\\wqy-zenhei.ttc", (folder_ + L"\\pair.ttc").c_str(), FALSE);
    // Trailing bytes after the tables change nothing for the reader.
    std::string bytes = ReadFileBytes(folder_ + L"\\insta.ttf");
    bytes.resize(1536000, '\0');
    WriteFileBytes(folder_ + L"\\insta.ttf", bytes);
    for (const OurFont& font : kOurFonts) AddFontResourceW((folder_ + L"\\" + font.file).c_str());
    WriteRenamedFont(FontsFolder() + L"\\" + kFontsFolderFile, u"Velura Inst C01");
  }
  static void TearDownTestSuite() {
    // The registrations go with the process: releasing fonts after they were drawn is where Wine's font
    // code is fragile.
    RemoveFolderTree(folder_);
    DeleteFileW((FontsFolder() + L"\\" + kFontsFolderFile).c_str());
  }

  void SetUp() override {
    for (const OurFont& font : kOurFonts) SetValue(kFontsKey, font.value, folder_ + L"\\" + font.file);
    SetValue(kFontsKey, kFontsFolderValue, kFontsFolderFile);
    SetValue(kFontsKey, kEmptyFolderValue, L"C:\\velura_no_such_folder\\gone.ttf");
    SetValue(kSubstitutesKey, kSubstituteA, L"Velura Inst P01");
    SetValue(kSubstitutesKey, kSubstituteB, L"WenQuanYi Zen Hei");
    fixture = std::make_unique<BrowserFixture>(L"velura_installed");
    fixture->LoadInstalled();
    fixture->Engine().IsAdmin = true;
    form = std::make_unique<TForm_Installed>(fixture->Engine(), fixture->settings, [this] { ++mainShown; });
    form->Show(SW_SHOWNORMAL);
    form->FormShow();
    PumpUntilIdle();
  }
  void TearDown() override {
    form.reset();
    fixture.reset();
    for (const OurFont& font : kOurFonts) DeleteValue(kFontsKey, font.value);
    DeleteValue(kFontsKey, kEmptyFolderValue);
    DeleteValue(kFontsKey, kFontsFolderValue);
    DeleteValue(kSubstitutesKey, kSubstituteA);
    DeleteValue(kSubstitutesKey, kSubstituteB);
  }

  TreeViewFileTree& Tree() { return form->FileTree(); }
  FileTree::Node OurFolder() {
    for (auto n = Tree().First(); n; n = Tree().NextSibling(n))
      if (lstrcmpiW(Tree().Text(n).c_str(), folder_.c_str()) == 0) return n;
    return nullptr;
  }
  FileTree::Node FileNamed(const std::wstring& fileName) {
    for (auto folder = Tree().First(); folder; folder = Tree().NextSibling(folder))
      for (auto n = Tree().FirstChild(folder); n; n = Tree().NextSibling(n))
        if (auto* r = Tree().Record(n); r && lstrcmpiW(ToWide(FileNamePart(r->Path)).c_str(), fileName.c_str()) == 0 &&
                                        lstrcmpiW(ToWide(FolderPart(r->Path)).c_str(), folder_.c_str()) == 0)
          return n;
    return nullptr;
  }
  FileTree::Node Marlett() {
    for (auto n = Tree().FirstChild(Tree().First()); n; n = Tree().NextSibling(n))
      if (auto* r = Tree().Record(n); r && r->Has(SystemFont)) return n;
    return nullptr;
  }
  void Tick(const std::wstring& fileName) {
    const FileTree::Node node = FileNamed(fileName);
    ASSERT_NE(node, nullptr) << ToUtf8(ToU16(fileName));
    if (!Tree().Record(node)->Has(Selected)) ToggleNodeTick(Tree(), node);
  }
  bool Ticked(const std::wstring& fileName) {
    const FileTree::Node node = FileNamed(fileName);
    return node && Tree().Record(node)->Has(Selected);
  }
  std::wstring Status(const ui::Control* bar, int part) {
    wchar_t text[256] = {};
    SendMessageW(bar->hwnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
  }
  bool Enabled(int action) { return form->FormActions().IsEnabled(action); }
  void Command(int action) {
    SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0);
    PumpUntilIdle();
  }
  std::vector<std::u16string> Captions() {
    std::vector<std::u16string> captions;
    for (const MessageRequest& m : fixture->recorder.messages) captions.push_back(m.Caption);
    return captions;
  }
  bool Listed(const std::wstring& fileName) {
    const std::u16string path = ToU16(folder_ + L"\\" + fileName);
    for (const auto& r : fixture->Engine().Installed().Items)
      if (lstrcmpiW(ToWide(r->Path).c_str(), ToWide(path).c_str()) == 0) return true;
    return false;
  }

  static std::wstring folder_;
  std::unique_ptr<BrowserFixture> fixture;
  std::unique_ptr<TForm_Installed> form;
  int mainShown = 0;
};
std::wstring InstalledBrowser::folder_;

TEST_F(InstalledBrowser, TreeGroupsByFolderAndTheSummaryCountsIt) {
  ASSERT_GT(Tree().Count(), 0);
  EXPECT_EQ(Tree().Text(Tree().First()).rfind(L"_既定のフォントフォルダ　\"", 0), 0u);
  EXPECT_NE(Marlett(), nullptr);
  const FileTree::Node ours = OurFolder();
  ASSERT_NE(ours, nullptr);
  for (auto n = Tree().First(); n; n = Tree().NextSibling(n))
    EXPECT_EQ(Tree().Text(n).find(L"velura_no_such_folder"), std::wstring::npos);  // no file there: dropped
  int files = 0;
  for (auto n = Tree().FirstChild(ours); n; n = Tree().NextSibling(n)) ++files;
  EXPECT_EQ(files, 4);
  const FileTree::Node pair = FileNamed(L"pair.ttc");
  ASSERT_NE(pair, nullptr);
  EXPECT_NE(Tree().FirstChild(pair), nullptr);  // its second font
  EXPECT_TRUE(Tree().Record(pair)->Has(Protected));
  EXPECT_TRUE(Tree().Record(FileNamed(L"instp.ttf"))->Has(Protected));
  EXPECT_FALSE(Tree().Record(FileNamed(L"insta.ttf"))->Has(Protected));

  // The selection's folder is ours; the first status bar counts everything.
  Tree().Select(FileNamed(L"instb.ttf"));
  PumpUntilIdle();
  Tick(L"insta.ttf");
  form->UpdateSummary();
  EXPECT_EQ(Status(form->StatusBar2, 1), L"フォルダ内のファイル数： 4");
  EXPECT_EQ(Status(form->StatusBar2, 2), L"フォルダ内のフォント数： 6");  // the collection holds three
  EXPECT_EQ(Status(form->StatusBar1, 3), L"選択ファイル数： 1");
  EXPECT_EQ(Status(form->StatusBar1, 4), L"選択ファイルサイズ： 1,500KB(1.5MB)");
  int folders = 0;
  for (auto n = Tree().First(); n; n = Tree().NextSibling(n)) ++folders;
  EXPECT_EQ(Status(form->StatusBar2, 0), L"インストール先： " + std::to_wstring(folders) + L"ケ所");
  EXPECT_EQ(Status(form->StatusBar1, 0).rfind(L"総ファイル数： ", 0), 0u);
  EXPECT_TRUE(fixture->recorder.messages.empty()) << fixture->recorder.Describe();

  SavePng(CaptureWindow(form->Hwnd()), ScreenshotPath(L"installed_browser.png"));
}

TEST_F(InstalledBrowser, MarlettAloneIsRefusedWithoutAConfirmation) {
  const FileTree::Node marlett = Marlett();
  ASSERT_NE(marlett, nullptr);
  ToggleNodeTick(Tree(), marlett);
  ASSERT_TRUE(Tree().Record(marlett)->Has(Selected));
  Command(TForm_Installed::Action_UnInstall);
  EXPECT_EQ(Captions(), std::vector<std::u16string>{u"特殊なフォント"});
  EXPECT_EQ(fixture->recorder.messages[0].Icon, MessageIcon::Error);
  EXPECT_FALSE(Tree().Record(marlett)->Has(Selected));
  EXPECT_EQ(Tree().StateImage(marlett), StateImageIndex(*Tree().Record(marlett)));
}

TEST_F(InstalledBrowser, ProtectedQuestionAnswers) {
  // Cancel: nothing more is asked, the file stays ticked and on disk.
  Tick(L"instp.ttf");
  fixture->recorder.AnswerCaption(u"レジストリ登録フォントの削除確認", MessageResult::Cancel);
  Command(TForm_Installed::Action_UnInstall);
  ASSERT_EQ(Captions(), std::vector<std::u16string>{u"レジストリ登録フォントの削除確認"});
  const MessageRequest& question = fixture->recorder.messages[0];
  EXPECT_EQ(question.Buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(question.DefaultButton, 2);
  EXPECT_EQ(question.Text.rfind(u"instp.ttf ( Velura Inst P )\r\n\r\n", 0), 0u);
  EXPECT_TRUE(Ticked(L"instp.ttf"));

  // No, with nothing else ticked: unticked, no final confirmation.
  fixture->recorder.messages.clear();
  fixture->recorder.AnswerCaption(u"レジストリ登録フォントの削除確認", MessageResult::No);
  Command(TForm_Installed::Action_UnInstall);
  EXPECT_EQ(Captions(), std::vector<std::u16string>{u"レジストリ登録フォントの削除確認"});
  EXPECT_FALSE(Ticked(L"instp.ttf"));

  // Yes: the final confirmation follows; its Cancel changes nothing.
  Tick(L"instp.ttf");
  fixture->recorder.messages.clear();
  fixture->recorder.AnswerCaption(u"レジストリ登録フォントの削除確認", MessageResult::Yes);
  fixture->recorder.AnswerCaption(u"フォントの削除確認", MessageResult::Cancel);
  Command(TForm_Installed::Action_UnInstall);
  EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"レジストリ登録フォントの削除確認", u"フォントの削除確認"}));
  EXPECT_TRUE(Ticked(L"instp.ttf"));
  EXPECT_TRUE(HasValue(kFontsKey, L"Velura Inst P (TrueType)"));
  EXPECT_TRUE(FileExists(folder_ + L"\\instp.ttf"));
  EXPECT_TRUE(Listed(L"instp.ttf"));
}

TEST_F(InstalledBrowser, ACollectionIsAskedAboutOnceAndAnOrdinaryFileStillNeedsTheConfirmation) {
  Tick(L"pair.ttc");
  Tick(L"instb.ttf");
  fixture->recorder.AnswerCaption(u"レジストリ登録フォントの削除確認", MessageResult::No);
  fixture->recorder.AnswerCaption(u"フォントの削除確認", MessageResult::Cancel);
  Command(TForm_Installed::Action_UnInstall);
  EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"レジストリ登録フォントの削除確認", u"フォントの削除確認"}));
  EXPECT_FALSE(Ticked(L"pair.ttc"));
  EXPECT_TRUE(Ticked(L"instb.ttf"));
}

TEST_F(InstalledBrowser, SelectAllInTheFontsFolderNeverTicksMarlett) {
  const FileTree::Node marlett = Marlett();
  ASSERT_NE(marlett, nullptr);
  Tree().Select(Tree().First());
  Command(TForm_Installed::Action_SelectAllInDir);
  EXPECT_FALSE(Tree().Record(marlett)->Has(Selected));
  EXPECT_EQ(Tree().StateImage(marlett), StateImageIndex(*Tree().Record(marlett)));
  bool oursTicked = false;
  for (auto n = Tree().FirstChild(Tree().First()); n; n = Tree().NextSibling(n))
    if (Tree().Record(n)->Path.ends_with(u"\\velura_inst_c.ttf")) oursTicked = Tree().Record(n)->Has(Selected);
  EXPECT_TRUE(oursTicked);
  EXPECT_FALSE(Ticked(L"insta.ttf"));  // another folder
  Command(TForm_Installed::Action_UnSelectAllInDir);
  EXPECT_FALSE(form->State().anyTicked);
}

TEST_F(InstalledBrowser, WithoutAdministratorRightsOnlyUninstallingIsDisabled) {
  fixture->Engine().IsAdmin = false;
  EXPECT_FALSE(Enabled(TForm_Installed::Action_UnInstall));
  EXPECT_FALSE(Enabled(TForm_Installed::Action_CopyFile));
  EXPECT_TRUE(Enabled(TForm_Installed::Action_ExportTreeTxt));
  Tick(L"instb.ttf");
  fixture->Engine().IsAdmin = true;
  EXPECT_TRUE(Enabled(TForm_Installed::Action_UnInstall));
  fixture->Engine().IsAdmin = false;
  EXPECT_FALSE(Enabled(TForm_Installed::Action_UnInstall));
  EXPECT_TRUE(Enabled(TForm_Installed::Action_CopyFile));
}

TEST_F(InstalledBrowser, SearchMarksFontsToTickAndClosesWithTheWindow) {
  Command(TForm_Installed::Action_ShowSearchWnd);
  TForm_SearchDlg* dialog = form->SearchDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ui::WindowText(dialog->Hwnd()), L"検索（インストール済み窓）");
  RECT frame{}, tree{}, place{};
  GetWindowRect(form->Hwnd(), &frame);
  GetWindowRect(Tree().Hwnd(), &tree);
  GetWindowRect(dialog->Hwnd(), &place);
  EXPECT_EQ(place.left, frame.left + (tree.right - tree.left));
  EXPECT_EQ(place.top, frame.top + 30);

  SetWindowTextW(dialog->TntComboBox_Search->hwnd, L"A01");
  dialog->Button_FontSearchClick();
  PumpUntilIdle();
  Command(TForm_Installed::Action_SelectSearchFont);
  EXPECT_TRUE(Ticked(L"insta.ttf"));
  EXPECT_FALSE(Ticked(L"instb.ttf"));

  form->FormClose();
  EXPECT_EQ(form->SearchDialog(), nullptr);
}

TEST_F(InstalledBrowser, PrintingWithoutAPrinterSaysSo) {
  Command(TForm_Installed::Action_Print);
  ASSERT_EQ(fixture->recorder.messages.size(), 1u) << fixture->recorder.Describe();
  EXPECT_EQ(fixture->recorder.messages[0].Text, kNoPrinterText);
}

TEST_F(InstalledBrowser, ViewCommandsAndTheTreeExport) {
  Command(TForm_Installed::ms9 + 5);  // 36
  EXPECT_EQ(form->SampleSize(), 36);
  EXPECT_EQ(fixture->settings.ReadSampleSizes().OpSize, 36);
  Command(TForm_Installed::N21);
  EXPECT_TRUE(form->DetailsHidden());
  EXPECT_FALSE(IsWindowVisible(form->Panel1.Hwnd()));
  Command(TForm_Installed::N21);
  EXPECT_TRUE(IsWindowVisible(form->Panel1.Hwnd()));
  Command(TForm_Installed::Action_ShowMainForm);
  EXPECT_EQ(mainShown, 1);
  // A blank in the sample list ticks the tree's selected file.
  Tree().Select(FileNamed(L"instb.ttf"));
  SendMessageW(form->Samples().TntListBox_zel_Sample.Hwnd(), WM_CHAR, L' ', 0);
  EXPECT_TRUE(Ticked(L"instb.ttf"));
  form->Reload();  // ticks are lost with every reload
  EXPECT_FALSE(form->State().anyTicked);

  const std::wstring exported = fixture->folder / L"tree.txt";
  ASSERT_TRUE(form->ExportTreeTo(exported));
  const std::string bytes = ReadFileBytes(exported);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
  const std::u16string text(reinterpret_cast<const char16_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  EXPECT_NE(text.find(ToU16(folder_) + u"\r\n\t"), std::u16string::npos);  // a folder, then its first file
}

// Last: the files of these two go.
TEST_F(InstalledBrowser, TheFinalConfirmationRemovesValuesAloneOrFilesToo) {
  // No: the value and the record go, the file stays.
  Tick(L"instb.ttf");
  fixture->recorder.AnswerCaption(u"フォントの削除確認", MessageResult::No);
  Command(TForm_Installed::Action_UnInstall);
  EXPECT_FALSE(HasValue(kFontsKey, L"Velura Inst B (TrueType)"));
  EXPECT_TRUE(FileExists(folder_ + L"\\instb.ttf"));
  EXPECT_FALSE(Listed(L"instb.ttf"));
  EXPECT_EQ(FileNamed(L"instb.ttf"), nullptr);
  EXPECT_TRUE(Listed(L"insta.ttf"));

  // Yes: the value, the record and the file go.
  RemoveFontResourceW((folder_ + L"\\insta.ttf").c_str());
  Tick(L"insta.ttf");
  fixture->recorder.AnswerCaption(u"フォントの削除確認", MessageResult::Yes);
  Command(TForm_Installed::Action_UnInstall);
  EXPECT_FALSE(HasValue(kFontsKey, L"Velura Inst A (TrueType)"));
  EXPECT_FALSE(FileExists(folder_ + L"\\insta.ttf"));
  EXPECT_FALSE(Listed(L"insta.ttf"));
  EXPECT_EQ(FileNamed(L"insta.ttf"), nullptr);
  EXPECT_TRUE(Listed(L"instp.ttf"));
  EXPECT_TRUE(HasValue(kFontsKey, L"Velura Inst P (TrueType)"));
}

RECT PlaceOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

TEST(WaitBoxPlace, OverItsOwnerOrOverTheScreen) {
  HWND owner =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 200, 600, 400, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  LoopContext loop;
  {
    WaitBox over(owner, WaitBox::Place::OverOwner, loop);
    EXPECT_TRUE(loop.PaintWaitingWindows);  // the fills under the box paint it
    const RECT r = PlaceOf(over.Hwnd());
    EXPECT_NEAR((r.left + r.right) / 2, 400, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, 400, 1);
  }
  {
    WaitBox screen(owner, WaitBox::Place::OverScreen, loop);
    const RECT r = PlaceOf(screen.Hwnd());
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  }
  EXPECT_FALSE(loop.PaintWaitingWindows);  // gone with the box
  ShowWindow(owner, SW_HIDE);
  WaitBox hidden(owner, WaitBox::Place::OverOwner, loop);  // a hidden owner: over the screen
  EXPECT_NEAR((PlaceOf(hidden.Hwnd()).top + PlaceOf(hidden.Hwnd()).bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace velura::testing
