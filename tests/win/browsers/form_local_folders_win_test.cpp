// The not-installed browser on folders that are out of the ordinary, and on files installed during the run.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "records/long_operations.h"
#include "records/record_rules.h"
#include "records/system_engine_win.h"
#include "settings/ini_profile_win.h"
#include "support/browser_fixture_win.h"
#include "support/dpi_change_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/browsers/form_local_win.h"

namespace velura::testing {
namespace {

// The cell height (ascent + descent) of a font in device pixels.
int CellHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

int CellHeight(const wchar_t* face, int pixels) {
  LOGFONTW logFont{};
  logFont.lfHeight = -pixels;
  logFont.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&logFont);
  const int height = CellHeight(font);
  DeleteObject(font);
  return height;
}

// Return still queued when a load starts (chosen with the arrow keys, confirmed with Return): keys go to
// whatever has the focus when they leave the queue, and the status window gives it to "中止".
HHOOK returnHook = nullptr;
LRESULT CALLBACK QueueReturnForTheStopButton(int code, WPARAM wParam, LPARAM lParam) {
  try {
    const auto gaining = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_SETFOCUS && gaining && ui::WindowText(gaining) == L"中止") {
      PostMessageW(gaining, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      PostMessageW(gaining, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001));
    }
  } catch (...) {
    ADD_FAILURE() << "the focus hook threw";
  }
  return CallNextHookEx(returnHook, code, wParam, lParam);
}

class BrowserFolders : public BrowserTest {
 protected:
  static void SetUpTestSuite() { root_ = NewTempFolder(L"velura_browser_folders"); }
  static void TearDownTestSuite() { RemoveFolderTree(root_); }

  void SetUp() override {
    LoadInstalled();
    form = std::make_unique<Tform_local>(Engine(), settings, [] {});
    form->FormShow();
  }
  void TearDown() override { form.reset(); }

  // A folder under the test root holding renamed copies of a Debian font (families of 15 characters).
  static std::wstring FolderWithFonts(const std::wstring& name, std::initializer_list<std::u16string> families) {
    const std::wstring folder = root_ + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    int n = 0;
    for (const std::u16string& family : families) WriteRenamedFont(folder + L"\\f" + std::to_wstring(n++) + L".ttf", family);
    return folder;
  }
  void Open(const std::wstring& folder) {
    ASSERT_TRUE(form->OpenFolder(folder));
    PumpUntilIdle();
  }
  std::vector<FileTree::Node> Files() {
    std::vector<FileTree::Node> files;
    TreeViewFileTree& t = form->FileTree();
    if (t.First())
      for (auto n = t.FirstChild(t.First()); n; n = t.NextSibling(n))
        if (t.Record(n)) files.push_back(n);
    return files;
  }
  std::vector<std::u16string> Families() {
    std::vector<std::u16string> families;
    for (auto n : Files()) families.push_back(form->FileTree().Record(n)->Faces[0].FamilyName);
    std::sort(families.begin(), families.end());
    return families;
  }
  std::wstring Status(int part) {
    wchar_t text[256] = {};
    SendMessageW(form->StatusBar1->hwnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
  }
  void Command(int action) { SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0); }

  static std::wstring root_;
  std::vector<MessageRequest>& messages = recorder.messages;
  std::unique_ptr<Tform_local> form;
};
std::wstring BrowserFolders::root_;

TEST_F(BrowserFolders, SelectAllTicksAFileInstalledDuringThisRunAndInvertUnticksIt) {
  Open(FolderWithFonts(L"plain", {u"Velura Fold 001", u"Velura Fold 002"}));
  TreeViewFileTree& tree = form->FileTree();
  const auto files = Files();
  ASSERT_EQ(files.size(), 2u);
  TFileDataItem& installedNow = *tree.Record(files[0]);
  installedNow.Set(InstalledNow);
  RefreshStateImages(tree);
  ASSERT_EQ(tree.StateImage(files[0]), -1);

  Command(Action_SelectAll);
  EXPECT_TRUE(installedNow.Has(Selected));
  EXPECT_EQ(tree.StateImage(files[0]), StateImageIndex(installedNow));
  EXPECT_EQ(Status(1).rfind(L" 選択数： 2 （", 0), 0u);
  Command(Action_Reversal);
  EXPECT_FALSE(installedNow.Has(Selected));
  EXPECT_EQ(tree.StateImage(files[0]), -1);
  Command(Action_Reversal);
  EXPECT_TRUE(installedNow.Has(Selected));
  Command(Action_UnSelectAll);
  EXPECT_FALSE(installedNow.Has(Selected));
  EXPECT_EQ(tree.StateImage(files[0]), -1);
}

TEST_F(BrowserFolders, AFolderNamedLikeAnArchiveIsBrowsedAsAFolder) {
  Open(FolderWithFonts(L"収録.zip", {u"Velura Fold 003"}));
  EXPECT_EQ(Families(), std::vector<std::u16string>{u"Velura Fold 003"});
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(settings.ReadPreviousFolder(), ToU16(root_ + L"\\収録.zip"));
}

TEST_F(BrowserFolders, AFolderMadeAfterItsParentWasListedCanBeOpened) {
  // Empty folders: no fonts are registered and released in this process by this test.
  const std::wstring parent = FolderWithFonts(L"later", {});
  const std::wstring first = parent + L"\\first";
  ASSERT_TRUE(CreateDirectoryW(first.c_str(), nullptr));
  Open(first);  // lists the parent's subfolders
  const std::wstring made = parent + L"\\新しいフォルダ";
  ASSERT_TRUE(CreateDirectoryW(made.c_str(), nullptr));
  EXPECT_TRUE(form->OpenFolder(made));
  EXPECT_EQ(form->ShellTreeView1.Path(), made);
  EXPECT_TRUE(messages.empty()) << recorder.Describe();
}

TEST_F(BrowserFolders, AFolderTheCodePageCannotSpellIsBrowsedButNotRemembered) {
  // The folder browsed before; not browsed here, as releasing its fonts first would upset this Wine's font
  // session in a process that has registered and released fonts before.
  const std::u16string plain = ToU16(root_ + L"\\前回");
  ASSERT_TRUE(settings.RememberPreviousFolder(plain));
  const std::wstring korean = FolderWithFonts(L"\uD55C\uAE00\uD3F0\uD2B8", {u"Velura Fold 005", u"Velura Fold 006"});  // 한글폰트

  Open(korean);
  for (const MessageRequest& m : messages) ADD_FAILURE() << "message box: " << ::testing::PrintToString(m.Text);
  EXPECT_EQ(Families(), (std::vector<std::u16string>{u"Velura Fold 005", u"Velura Fold 006"}));
  EXPECT_EQ(form->FileTree().Text(form->FileTree().First()), korean);
  EXPECT_EQ(settings.ReadPreviousFolder(), plain);  // only the remembering is impossible
  EXPECT_EQ(Status(2).rfind(L" ファイル数： 2", 0), 0u);
}

TEST_F(BrowserFolders, AKeyQueuedBeforeTheLoadDoesNotStopIt) {
  const std::wstring folder = FolderWithFonts(L"queued", {u"Velura Fold 011", u"Velura Fold 012"});
  returnHook = SetWindowsHookExW(WH_CBT, QueueReturnForTheStopButton, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(returnHook);
  Open(folder);
  UnhookWindowsHookEx(returnHook);
  EXPECT_EQ(Families(), (std::vector<std::u16string>{u"Velura Fold 011", u"Velura Fold 012"}));
}

TEST_F(BrowserFolders, At144DpiEverySampleLineHoldsTheFaceNameAndTheSample) {
  ChangeDpi(form->Hwnd(), 144);
  ASSERT_EQ(form->Dpi(), 144);
  Open(FolderWithFonts(L"dpi", {u"Velura Fold 007", u"Velura Fold 008"}));
  const HWND samples = form->Samples().TntListBox_zel_Sample.Hwnd();
  // The browsed fonts are renamed copies of Liberation Sans: its cells are theirs. (Measuring the browsed
  // fonts themselves would realise them, and this Wine's font session does not survive releasing those.)
  auto expectLinesFit = [&](const char* when) {
    SCOPED_TRACE(when);
    const int count = static_cast<int>(SendMessageW(samples, LB_GETCOUNT, 0, 0));
    ASSERT_EQ(count, 2);
    const int size = form->SampleSize(), dpi = form->Dpi();
    const int name = CellHeight(L"MS UI Gothic", MulDiv(12, dpi, 72));
    const int sample = std::max(CellHeight(L"Liberation Sans", size * dpi / 72),
                                CellHeight(reinterpret_cast<HFONT>(SendMessageW(samples, WM_GETFONT, 0, 0))));
    for (int i = 0; i < count; ++i)
      EXPECT_GE(SendMessageW(samples, LB_GETITEMHEIGHT, i, 0), name + sample)
          << "size " << size << " at " << dpi << " DPI, line " << i;
  };
  expectLinesFit("lines added at 144 DPI");
  for (int size : {9, 90}) {
    form->SetSampleSize(size);
    expectLinesFit("size chosen at 144 DPI");
  }
  form->SetSampleSize(24);
  ChangeDpi(form->Hwnd(), 192);  // moved to a 200 % screen
  expectLinesFit("lines there before the change");
  ChangeDpi(form->Hwnd(), 144);
  expectLinesFit("and back");

  form->Show(SW_SHOWNORMAL);
  form->FileTree().Select(Files()[0]);
  PumpUntilIdle();
  // Kept to be looked at: the heights above are what the test checks.
  SavePng(CaptureWindow(form->Hwnd()), ScreenshotPath(L"local_browser_144dpi.png"));
}

}  // namespace
}  // namespace velura::testing
