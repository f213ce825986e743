// Fonts installed for the current user alone: the current user's Fonts values count as installed
// everywhere, their full-path data is matched as such, and the per-user install and uninstall loops touch
// only the current user's key and folder.
#include <gtest/gtest.h>

#include "engine_world.h"
#include "record_world.h"
#include "records/long_operations.h"
#include "records/reg_font_rules.h"
#include "records/user_fonts.h"

namespace velura::testing {
namespace {

const std::u16string kUserFolder = u"C:\\Users\\u\\AppData\\Local\\Microsoft\\Windows\\Fonts";

class PerUserFonts : public ::testing::Test {
 protected:
  void LoadLocal(std::initializer_list<std::u16string> paths) {
    RunLoadFiles(w.loop, progress, std::vector<std::u16string>(paths), *w.local, true);
  }
  void TickAll() {
    for (auto& r : w.local->Items) r->Set(Selected);
  }
  // A font file in the per-user folder with its value in the current user's key.
  std::u16string UserInstalled(const std::u16string& fileName, const std::u16string& family) {
    w.files.MakeFolder(kUserFolder);
    const auto path = w.AddFont(fileName, family, u"Regular", 0, kUserFolder);
    w.registry.AddUserFont(family + u" (TrueType)", path);
    return path;
  }
  std::u16string MachineInstalled(const std::u16string& fileName, const std::u16string& family) {
    const auto path = w.AddFont(fileName, family, u"Regular", 0, kFontsFolder);
    w.registry.AddFont(family + u" (TrueType)", fileName);
    return path;
  }
  void LoadInstalled() {
    w.registryData->LoadFontsList();
    LoadInstalledFromRegistry(w.loop, *w.installed, *w.registryData, kFontsFolder, nullptr, &progress);
  }
  TFileDataItem* InstalledRecord(const std::u16string& path) {
    for (auto& r : w.installed->Items)
      if (LowerAscii(r->Path) == LowerAscii(path)) return r.get();
    return nullptr;
  }
  const FakeKeyData& UserKey() { return w.registry.keys[kUserFontsId]; }

  RecordWorld w;
  FakeProgress progress{&w.loop};
};

TEST_F(PerUserFonts, BothKeysCountAsInstalledButOnlyTheMachineTableIsFonts) {
  MachineInstalled(u"m.ttf", u"Machine");
  const auto mine = UserInstalled(u"u.ttf", u"Mine");
  w.registryData->LoadFontsList();
  const TRegFontData& data = *w.registryData;
  ASSERT_EQ(data.Fonts.size(), 1u);  // what the registry viewer shows
  ASSERT_EQ(data.UserFonts.size(), 1u);
  EXPECT_EQ(data.UserFonts[0].File, mine);
  EXPECT_TRUE(data.IsRegisteredName(u"mine"));
  EXPECT_TRUE(data.IsRegisteredName(u"Machine (TrueType)"));
  EXPECT_TRUE(data.IsRegisteredFile(u"c:\\users\\U\\appdata\\local\\microsoft\\windows\\fonts\\U.TTF"));
  EXPECT_FALSE(data.IsRegisteredFile(kFontsFolder + u"\\u.ttf"));  // full-path data names only that path
  // The machine-wide destinations stay machine-wide.
  EXPECT_EQ(data.FontFolders(), std::vector<std::u16string>{kFontsFolder});
}

TEST_F(PerUserFonts, AUserWithoutAFontsKeyHasNoPerUserFonts) {
  MachineInstalled(u"m.ttf", u"Machine");
  w.registryData->LoadFontsList();  // no HKCU key at all: no failure
  EXPECT_TRUE(w.registryData->UserFonts.empty());
  EXPECT_EQ(w.registryData->Fonts.size(), 1u);
  EXPECT_FALSE(w.registryData->DeleteUserFontValueForFile(kUserFolder + u"\\x.ttf"));
}

TEST_F(PerUserFonts, SameFileNameInBothKeysKeepsThemApart) {
  const auto machine = MachineInstalled(u"same.ttf", u"Machine");
  const auto mine = UserInstalled(u"same.ttf", u"Mine");
  w.registryData->LoadFontsList();
  TRegFontData& data = *w.registryData;
  EXPECT_TRUE(data.IsRegisteredFile(machine));
  EXPECT_TRUE(data.IsRegisteredFile(mine));
  EXPECT_TRUE(data.IsUserFontFile(mine));
  EXPECT_FALSE(data.IsUserFontFile(machine));
  // Deleting the user's value never reaches the machine-wide one of the same file name, nor the other way.
  EXPECT_FALSE(data.DeleteUserFontValueForFile(machine));
  EXPECT_FALSE(data.DeleteFontValueForFile(mine));
  EXPECT_TRUE(data.DeleteUserFontValueForFile(mine));
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Machine (TrueType)"));
  EXPECT_FALSE(w.registry.HasValue(kUserFontsId, u"Mine (TrueType)"));
}

TEST_F(PerUserFonts, InstalledListMarksPerUserRecordsAndSkipsMissingFilesWithoutDeleting) {
  MachineInstalled(u"m.ttf", u"Machine");
  const auto mine = UserInstalled(u"u.ttf", u"Mine");
  w.registry.AddUserFont(u"Gone (TrueType)", kUserFolder + u"\\gone.ttf");
  LoadInstalled();
  ASSERT_EQ(w.installed->Count(), 2);
  EXPECT_FALSE((*w.installed)[0].Has(PerUser));
  ASSERT_TRUE(InstalledRecord(mine));
  EXPECT_TRUE(InstalledRecord(mine)->Has(PerUser));
  EXPECT_EQ(InstalledRecord(mine)->SystemName, u"Mine");
  EXPECT_TRUE(w.registry.HasValue(kUserFontsId, u"Gone (TrueType)"));  // shown like a machine-wide one: left alone
  EXPECT_TRUE(w.messages.empty());
}

TEST_F(PerUserFonts, ABrowsedFileInstalledForTheUserIsInstalled) {
  const auto mine = UserInstalled(u"u.ttf", u"Mine");
  w.fonts.AddResource(mine);  // Windows loaded it at sign-in
  LoadInstalled();
  const auto copy = w.AddFont(u"u.ttf", u"Mine");
  LoadLocal({copy});
  EXPECT_TRUE((*w.local)[0].Has(Installed));
}

TEST_F(PerUserFonts, InstallCopiesIntoTheUserFolderAndWritesFullPathsForTheUserOnly) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc"), bold = w.AddFont(u"xb.ttf", u"X", u"Bold");
  LoadLocal({abc, bold});
  TickAll();
  RunInstallForUser(w.loop, progress, *w.local, *w.installed, kUserFolder, *w.registryData);

  EXPECT_TRUE(w.files.folders.count(LowerAscii(kUserFolder)));  // made, with its parents
  EXPECT_TRUE(w.files.Has(kUserFolder + u"\\abc.ttf"));
  ASSERT_EQ(UserKey().values.size(), 2u);  // the key is created on first use
  EXPECT_EQ(UserKey().values[0].first, u"Abc (TrueType)");
  EXPECT_EQ(UserKey().values[0].second.Text, kUserFolder + u"\\abc.ttf");  // not the upper-case file name
  EXPECT_EQ(UserKey().values[1].second.Text, kUserFolder + u"\\xb.ttf");
  EXPECT_TRUE(w.registry.keys[kFontsPath].values.empty());
  EXPECT_FALSE(w.files.Has(kFontsFolder + u"\\abc.ttf"));
  EXPECT_EQ(w.fonts.registered.count(LowerAscii(kUserFolder + u"\\abc.ttf")), 1u);
  EXPECT_EQ(w.fonts.registered.count(LowerAscii(abc)), 0u);
  ASSERT_EQ(w.installed->Count(), 2);
  for (const auto& r : w.installed->Items) EXPECT_TRUE(r->Has(PerUser));
  for (const auto& r : w.local->Items) EXPECT_TRUE(r->Has(InstalledNow) && !r->Has(Selected));
  EXPECT_EQ(progress.titles.back(), u"フォントをインストール中...");
  EXPECT_TRUE(w.messages.empty());
  EXPECT_EQ(w.fonts.broadcasts, 2);  // the load's and the install's
}

TEST_F(PerUserFonts, InstallBesideAMachineWideFontOfTheSameFileName) {
  MachineInstalled(u"abc.ttf", u"Machine");
  w.registryData->LoadFontsList();
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  LoadLocal({abc});
  TickAll();
  RunInstallForUser(w.loop, progress, *w.local, *w.installed, kUserFolder, *w.registryData);
  EXPECT_TRUE(w.messages.empty());
  EXPECT_TRUE(w.registry.HasValue(kUserFontsId, u"Abc (TrueType)"));
  EXPECT_EQ(w.registry.keys[kFontsPath].values.size(), 1u);
}

TEST_F(PerUserFonts, InstallCollisionWithARegisteredUserFileIsReported) {
  UserInstalled(u"abc.ttf", u"Other");
  w.registryData->LoadFontsList();
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  LoadLocal({abc});
  TickAll();
  RunInstallForUser(w.loop, progress, *w.local, *w.installed, kUserFolder, *w.registryData);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].Caption, u"ファイル名重複エラー");
  EXPECT_TRUE((*w.local)[0].Has(Selected));
  EXPECT_FALSE(w.registry.HasValue(kUserFontsId, u"Abc (TrueType)"));
}

TEST_F(PerUserFonts, InstallReportsCopyFailuresAndHonoursStop) {
  const auto a = w.AddFont(u"a.ttf", u"A"), b = w.AddFont(u"b.ttf", u"B"), c = w.AddFont(u"c.ttf", u"C");
  LoadLocal({a, b, c});
  TickAll();
  w.files.refusedTargets.insert(LowerAscii(kUserFolder + u"\\a.ttf"));
  progress.pumps = 0;
  progress.stopAtPump = 3;  // stop before the third file
  RunInstallForUser(w.loop, progress, *w.local, *w.installed, kUserFolder, *w.registryData);
  w.loop.StopRequested = false;
  EXPECT_EQ(UserKey().values.size(), 1u);  // b only
  EXPECT_TRUE(w.registry.HasValue(kUserFontsId, u"B (TrueType)"));
  EXPECT_TRUE((*w.local)[2].Has(Selected));
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].Caption, u"コピーエラー");
  EXPECT_NE(w.messages[0].Text.find(a), std::u16string::npos);
}

TEST_F(PerUserFonts, InstallStopsBeforeTouchingAnythingWhenTheKeyCannotBeMade) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  LoadLocal({abc});
  TickAll();
  w.registry.refuseCreation = true;
  EXPECT_THROW(RunInstallForUser(w.loop, progress, *w.local, *w.installed, kUserFolder, *w.registryData), UserError);
  EXPECT_TRUE(w.registry.keys[kFontsPath].values.empty());
  EXPECT_FALSE(w.files.Has(kUserFolder + u"\abc.ttf"));
  EXPECT_TRUE((*w.local)[0].Has(Selected));
  EXPECT_EQ(w.files.currentDirectory, u"C:\\start");
}

TEST_F(PerUserFonts, UninstallRemovesTheUserValueRegistrationAndFileInThatOrder) {
  const auto machine = MachineInstalled(u"same.ttf", u"Machine");
  const auto mine = UserInstalled(u"same.ttf", u"Mine");
  LoadInstalled();
  for (auto& r : w.installed->Items) r->Set(Selected);
  w.fonts.calls.clear();
  RunUninstallForUser(w.loop, progress, *w.installed);
  EXPECT_FALSE(w.registry.HasValue(kUserFontsId, u"Mine (TrueType)"));
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Machine (TrueType)"));
  EXPECT_FALSE(w.files.Has(mine));
  EXPECT_TRUE(w.files.Has(machine));
  ASSERT_FALSE(w.fonts.calls.empty());
  EXPECT_EQ(w.fonts.calls[0], u"remove " + mine);
  ASSERT_EQ(w.installed->Count(), 1);
  EXPECT_EQ((*w.installed)[0].Path, machine);
  EXPECT_TRUE((*w.installed)[0].Has(Selected));    // the machine-wide one is not this loop's
  EXPECT_TRUE(w.registryData->UserFonts.empty());  // reloaded
  EXPECT_EQ(progress.titles.back(), u"フォントを削除中...");
}

TEST_F(PerUserFonts, MachineWideUninstallLeavesPerUserRecordsAlone) {
  MachineInstalled(u"same.ttf", u"Machine");
  const auto mine = UserInstalled(u"same.ttf", u"Mine");
  LoadInstalled();
  InstalledRecord(mine)->Set(Selected);
  RunUninstall(w.loop, progress, *w.installed);
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Machine (TrueType)"));  // shares the file name
  EXPECT_TRUE(w.registry.HasValue(kUserFontsId, u"Mine (TrueType)"));
  EXPECT_TRUE(w.files.Has(mine));
  EXPECT_EQ(w.installed->Count(), 2);
}

TEST_F(PerUserFonts, UninstallReportsMissingAndUndeletableFilesAndHonoursStop) {
  const auto a = UserInstalled(u"a.ttf", u"A"), b = UserInstalled(u"b.ttf", u"B"), c = UserInstalled(u"c.ttf", u"C");
  LoadInstalled();
  for (auto& r : w.installed->Items) r->Set(Selected);
  w.files.files.erase(LowerAscii(c));  // walked from the end: c first
  w.files.undeletable.insert(LowerAscii(b));
  progress.pumps = 0;
  progress.stopAtPump = 3;  // a is never reached
  RunUninstallForUser(w.loop, progress, *w.installed);
  w.loop.StopRequested = false;
  ASSERT_EQ(w.messages.size(), 2u);
  EXPECT_EQ(w.messages[0].Text, u"ファイルが見つかりません");
  EXPECT_EQ(w.messages[1].Caption, u"削除失敗の確認");
  EXPECT_NE(w.messages[1].Text.find(b), std::u16string::npos);
  EXPECT_TRUE(w.registry.HasValue(kUserFontsId, u"C (TrueType)"));  // nothing deleted for a missing file
  EXPECT_TRUE(w.registry.HasValue(kUserFontsId, u"B (TrueType)"));  // a file that stays keeps its value
  EXPECT_TRUE(w.registry.HasValue(kUserFontsId, u"A (TrueType)"));
  EXPECT_TRUE(w.files.Has(a));
  EXPECT_EQ(w.installed->Count(), 3);
}

TEST(UserFontsFolder, LiesBelowLocalAppDataAndIsMadeWithItsParents) {
  EXPECT_EQ(UserFontsFolderIn(u"C:\\Users\\u\\AppData\\Local\\"), kUserFolder);
  EXPECT_EQ(UserFontsFolderIn(u""), u"");
  FakeFiles files;
  EXPECT_TRUE(CreateFolderWithParents(files, kUserFolder));
  EXPECT_TRUE(files.folders.count(LowerAscii(u"C:\\Users\\u\\AppData\\Local\\Microsoft")));
  EXPECT_FALSE(CreateFolderWithParents(files, u""));
}

TEST(PerUserInstallRule, OnlyANonAdministratorOn1809OrLater) {
  EngineWorld world;
  TProcedureClass& engine = world.Make();
  EXPECT_FALSE(engine.InstallsPerUser());  // an administrator keeps the machine-wide install
  engine.IsAdmin = false;
  EXPECT_FALSE(engine.InstallsPerUser());  // build 17134: as designed, nothing to install with
  engine.WindowsBuild = 17762;
  EXPECT_FALSE(engine.InstallsPerUser());
  engine.WindowsBuild = 17763;
  EXPECT_TRUE(engine.InstallsPerUser());
  engine.UserFontsFolder.clear();  // the shell knew no such folder
  EXPECT_FALSE(engine.InstallsPerUser());
}

}  // namespace
}  // namespace velura::testing
