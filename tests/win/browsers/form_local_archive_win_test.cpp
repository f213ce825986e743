// Archives in the not-installed browser: the archive box lists them, choosing one shows its fonts.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/archive/archive_builders.h"
#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/file_bytes_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/browsers/form_local_win.h"

namespace velura::testing {
namespace {

using archive_testing::Bytes;

TEST(LocalBrowserArchives, ChoosingAnArchiveShowsItsFontsNestedOnesIncluded) {
  const std::wstring folder = NewTempFolder(L"velura_local_archives");
  const std::wstring fonts = NewTempFolder(L"velura_local_archive_fonts");
  WriteRenamedFont(fonts + L"\\a.ttf", u"Velura Arch 001");
  WriteRenamedFont(fonts + L"\\b.ttf", u"Velura Arch 002");
  using archive_testing::BuildZip;
  const Bytes inner = BuildZip({{"a.ttf", ReadFileByteVector(fonts + L"\\a.ttf")}, {"b.ttf", ReadFileByteVector(fonts + L"\\b.ttf")}});
  WriteFileBytes(folder + L"\\pack.zip", BuildZip({{"fonts.zip", inner, 0}}));
  WriteFileBytes(folder + L"\\text.zip", BuildZip({{"a.txt", Bytes{'a'}}}));

  {
    BrowserFixture browser(L"velura_local_archive_settings");
    browser.LoadInstalled();
    Tform_local form(browser.Engine(), browser.settings, [] {});
    form.FormShow();
    ASSERT_TRUE(form.OpenFolder(folder));
    PumpUntilIdle();
    const HWND box = form.TntComboBox_ArchiveNames->hwnd;
    ASSERT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 2);
    EXPECT_TRUE(IsWindowEnabled(box));
    EXPECT_FALSE(form.FileTree().FirstChild(form.FileTree().First()));  // no font files in the folder itself

    auto choose = [&](const wchar_t* name) {
      SendMessageW(box, CB_SETCURSEL, SendMessageW(box, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(name)), 0);
      SendMessageW(form.Panel1.Hwnd(), WM_COMMAND, MAKEWPARAM(form.TntComboBox_ArchiveNames->id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(box));
      PumpUntilIdle();
    };
    choose(L"pack.zip");
    TreeViewFileTree& tree = form.FileTree();
    std::vector<std::u16string> families;
    for (auto node = tree.FirstChild(tree.First()); node; node = tree.NextSibling(node))
      if (TFileDataItem* r = tree.Record(node)) families.push_back(r->Faces[0].FamilyName);
    std::sort(families.begin(), families.end());
    EXPECT_EQ(families, (std::vector<std::u16string>{u"Velura Arch 001", u"Velura Arch 002"}));
    form.Show(SW_SHOWNORMAL);
    PumpUntilIdle();
    SavePng(CaptureWindow(form.Hwnd()), ScreenshotPath(L"local_browser_archive.png"));

    choose(L"text.zip");  // only text: the fonts shown stay
    EXPECT_EQ(form.FileTree().Record(form.FileTree().FirstChild(form.FileTree().First()))->Faces[0].FamilyName.substr(0, 11),
              u"Velura Arch");
  }
  RemoveFolderTree(folder);
  RemoveFolderTree(fonts);
}

}  // namespace
}  // namespace velura::testing
