// The engine on a real system under Wine: GDI enumeration, preview registration, install into the fonts
// folder and the registry's Fonts key, and uninstall again.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "records/long_operations.h"
#include "support/browser_fixture_win.h"
#include "support/test_fonts_win.h"

namespace velura::testing {
namespace {

bool Listed(const std::wstring& family) {
  std::vector<std::wstring> names;
  EnumerateFamilyNames(names);
  return std::find(names.begin(), names.end(), family) != names.end();
}

TEST(FontEnumeration, FamiliesComeAndGoWithTheirFile) {
  const TempFolder folder(L"velura_enum_test");
  const std::wstring path = folder / L"列挙.ttf";
  ASSERT_TRUE(WriteRenamedFont(path, u"Velura Enum 001"));
  EXPECT_FALSE(Listed(L"Velura Enum 001"));
  ASSERT_GT(AddFontResourceW(path.c_str()), 0);
  EXPECT_TRUE(Listed(L"Velura Enum 001"));
  LOGFONTW record;
  EXPECT_TRUE(FindLogFont(L"Velura Enum 001", record));
  EXPECT_FALSE(FindLogFont(L"velura enum 001", record));  // the face name must match exactly
  TLogFontArrayW all;
  EnumerateLogFonts(L"", all);
  EXPECT_GT(all.size(), 10u);
  ASSERT_TRUE(RemoveFontResourceW(path.c_str()));
  EXPECT_FALSE(Listed(L"Velura Enum 001"));  // the '@' twin may linger under Wine; the name itself goes
}

TEST(EngineOnWindows, InstallsIntoTheFontsFolderAndUninstallsAgain) {
  BrowserFixture world(L"velura_install_test");
  const std::vector<MessageRequest>& messages = world.recorder.messages;
  const std::wstring source = world.folder / L"表示テスト.ttf";
  ASSERT_TRUE(WriteRenamedFont(source, u"Velura Inst 001"));

  TProcedureClass& engine = world.Engine();
  SilentProgress& progress = world.progress;
  TFileData_local list(engine.Records());

  RunLoadFiles(engine.Loop(), progress, {ToU16(source)}, list, true);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_FALSE(list[0].CannotDisplay);
  EXPECT_EQ(list[0].DisplayNames[0].DisplayFamilyName, u"Velura Inst 001");
  EXPECT_EQ(list[0].Flags, 0);

  list[0].Set(Selected);
  engine.InstallSelected(progress, list, engine.FontsFolder, true);
  const std::wstring installed = ToWide(engine.FontsFolder) + L"\\表示テスト.ttf";
  EXPECT_NE(GetFileAttributesW(installed.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(list[0].Has(InstalledNow));
  engine.RegData().LoadFontsList();
  EXPECT_TRUE(engine.RegData().IsRegisteredName(u"Velura Inst 001 (TrueType)"));
  EXPECT_TRUE(engine.RegData().IsRegisteredFile(ToU16(installed)));
  EXPECT_TRUE(messages.empty()) << world.recorder.Describe();

  TFileData_installed& installedList = engine.Installed();
  auto mine = std::find_if(installedList.Items.begin(), installedList.Items.end(),
                           [&](const auto& r) { return r->Path == ToU16(installed); });
  ASSERT_NE(mine, installedList.Items.end());
  (*mine)->Set(Selected);
  engine.UninstallSelected(progress);
  EXPECT_EQ(GetFileAttributesW(installed.c_str()), INVALID_FILE_ATTRIBUTES);
  engine.RegData().LoadFontsList();
  EXPECT_FALSE(engine.RegData().IsRegisteredName(u"Velura Inst 001 (TrueType)"));
  EXPECT_TRUE(messages.empty()) << world.recorder.Describe();

  SilentBarProgress bar;
  ReleaseAll(list, bar);
}

}  // namespace
}  // namespace velura::testing
