// The long-operation loops: what they touch, in which order, what they report, and what a stop leaves.
#include <gtest/gtest.h>

#include <algorithm>

#include "record_world.h"
#include "records/long_operations.h"
#include "records/record_rules.h"

namespace velura::testing {
namespace {

class Loops : public ::testing::Test {
 protected:
  void LoadLocal(std::initializer_list<std::u16string> paths) {
    RunLoadFiles(w.loop, progress, std::vector<std::u16string>(paths), *w.local, true);
  }
  void TickAll() {
    for (auto& r : w.local->Items) r->Set(Selected);
  }
  RecordWorld w;
  FakeProgress progress{&w.loop};
};

TEST_F(Loops, LoadReportsUnreadableFilesAndBroadcastsOnce) {
  const auto good = w.AddFont(u"good.ttf", u"Good");
  w.files.Put(u"C:\\fonts\\bad.ttf", Bytes(64, 1));
  LoadLocal({good, u"C:\\fonts\\bad.ttf"});
  EXPECT_EQ(w.local->Count(), 1);
  EXPECT_EQ(progress.titles, std::vector<std::u16string>{u"フォントを読み込み中..."});
  EXPECT_EQ(progress.closed, 1);
  EXPECT_EQ(progress.steps, (std::vector<int>{1, 2}));
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].Text, u"以下のフォントはファイルの読み込みに失敗しました\r\n\r\nC:\\fonts\\bad.ttf\r\n");
  EXPECT_EQ(w.messages[0].Caption, u"ファイル読み込みエラー");
  EXPECT_EQ(w.fonts.broadcasts, 1);
  EXPECT_EQ((*w.local)[0].DisplayNames[0].DisplayFamilyName, u"Good");  // names settled after the batch
}

TEST_F(Loops, LoadStopLeavesTheRestUnloaded) {
  const auto a = w.AddFont(u"a.ttf", u"A"), b = w.AddFont(u"b.ttf", u"B"), c = w.AddFont(u"c.ttf", u"C");
  progress.stopAtPump = 2;
  LoadLocal({a, b, c});
  EXPECT_EQ(w.local->Count(), 1);
  EXPECT_EQ(progress.pumps, 3);  // the remaining steps still pump messages
  EXPECT_EQ(w.fonts.broadcasts, 1);
  w.loop.StopRequested = false;
}

TEST_F(Loops, InstallCopiesRegistersAndTicksOff) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc"), bold = w.AddFont(u"xb.ttf", u"X", u"Bold");
  LoadLocal({abc, bold});
  TickAll();
  RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);

  EXPECT_TRUE(w.files.Has(kFontsFolder + u"\\abc.ttf"));
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Abc (TrueType)"));
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"X Bold (TrueType)"));
  EXPECT_EQ(w.registry.keys[kFontsPath].values[0].second.Text, u"ABC.TTF");
  for (const auto& r : w.local->Items) {
    EXPECT_TRUE(r->Has(InstalledNow));
    EXPECT_FALSE(r->Has(Selected));
  }
  EXPECT_EQ(w.installed->Count(), 2);
  EXPECT_EQ(w.files.currentDirectory, u"C:\\start");  // restored
  EXPECT_TRUE(w.messages.empty());
  // The preview registration is swapped for the installed file's.
  EXPECT_EQ(w.fonts.registered.count(LowerAscii(abc)), 0u);
  EXPECT_EQ(w.fonts.registered.count(LowerAscii(kFontsFolder + u"\\abc.ttf")), 1u);
}

TEST_F(Loops, InstallIntoAnotherFolderWithoutCopying) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  LoadLocal({abc});
  TickAll();
  RunInstall(w.loop, progress, *w.local, *w.installed, u"D:\\Keep", false, *w.registryData);
  EXPECT_TRUE(w.files.copies.empty());
  EXPECT_EQ(w.registry.keys[kFontsPath].values.at(0).second.Text, u"D:\\Keep\\ABC.TTF");
}

TEST_F(Loops, InstallDoesNothingWhenNoRecordIsInstallable) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  LoadLocal({abc});
  TickAll();
  (*w.local)[0].Set(OtherVersionInstalled);
  RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);
  EXPECT_TRUE(w.files.copies.empty());
  EXPECT_TRUE(w.registry.keys[kFontsPath].values.empty());
  EXPECT_EQ(progress.opened, 1);  // only the load's window
}

TEST_F(Loops, InstallCollisionWithARegisteredFileIsReportedAndStaysTicked) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  w.files.Put(kFontsFolder + u"\\abc.ttf", FontBytes(u"Other"));
  w.registry.AddFont(u"Other (TrueType)", u"abc.ttf");
  w.registryData->LoadFontsList();
  LoadLocal({abc});
  TickAll();
  RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].Caption, u"ファイル名重複エラー");
  EXPECT_NE(w.messages[0].Text.find(abc + u"\r\n"), std::u16string::npos);
  EXPECT_TRUE((*w.local)[0].Has(Selected));
  EXPECT_FALSE(w.registry.HasValue(kFontsPath, u"Abc (TrueType)"));
}

// The one-time install's entries go in one run: what was skipped is reported once for all of them, and a
// file two entries show is installed once.
TEST_F(Loops, InstallOfSeveralListsReportsOnceAndInstallsAFileListedTwiceOnce) {
  const auto x = w.AddFont(u"x.ttf", u"X"), y = w.AddFont(u"y.ttf", u"Y"), a = w.AddFont(u"a.ttf", u"A");
  for (const auto* name : {u"x.ttf", u"y.ttf"}) {
    w.files.Put(kFontsFolder + u"\\" + name, FontBytes(u"Other"));
    w.registry.AddFont(u"Other " + std::u16string(name) + u" (TrueType)", name);
  }
  w.registryData->LoadFontsList();
  TFileData_local second(*w.services);
  LoadLocal({x, a});
  RunLoadFiles(w.loop, progress, {y, a}, second, true);
  TickAll();
  for (auto& r : second.Items) r->Set(Selected);
  RunInstall(w.loop, progress, std::vector<TFileData_local*>{w.local.get(), &second}, *w.installed, kFontsFolder,
             true, *w.registryData);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].Caption, u"ファイル名重複エラー");
  EXPECT_NE(w.messages[0].Text.find(x + u"\r\n" + y + u"\r\n"), std::u16string::npos);
  EXPECT_TRUE((*w.local)[1].Has(InstalledNow) && second[1].Has(InstalledNow));
  EXPECT_FALSE(second[1].Has(Selected));
  EXPECT_EQ(std::count(w.files.copies.begin(), w.files.copies.end(), a + u" -> " + kFontsFolder + u"\\a.ttf"), 1);
  EXPECT_EQ(progress.titles.back(), u"フォントをインストール中...");
  EXPECT_EQ(std::count(progress.titles.begin(), progress.titles.end(), u"フォントをインストール中..."), 1);
  EXPECT_EQ(w.fonts.registered.count(LowerAscii(kFontsFolder + u"\\a.ttf")), 1u);
  EXPECT_EQ(w.fonts.registered.count(LowerAscii(a)), 0u);  // both previews given back
}

TEST_F(Loops, InstallOverAnUnregisteredFileOfTheSameNameRegistersIt) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  w.files.Put(kFontsFolder + u"\\abc.ttf", FontBytes(u"Abc"));
  LoadLocal({abc});
  TickAll();
  RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Abc (TrueType)"));
  EXPECT_TRUE(w.messages.empty());
}

TEST_F(Loops, InstallNeverRegistersAFileItCouldNotCopy) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  w.files.refusedTargets.insert(LowerAscii(kFontsFolder + u"\\abc.ttf"));  // disk full, no access ...
  LoadLocal({abc});
  TickAll();
  RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);
  EXPECT_TRUE(w.registry.keys[kFontsPath].values.empty());
  EXPECT_EQ(w.installed->Count(), 0);
  EXPECT_TRUE((*w.local)[0].Has(Selected));
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_NE(w.messages[0].Text.find(abc), std::u16string::npos);
}

TEST_F(Loops, InstallStopLeavesRemainingTicksAndTheNextOperationRuns) {
  const auto a = w.AddFont(u"a.ttf", u"A"), b = w.AddFont(u"b.ttf", u"B"), c = w.AddFont(u"c.ttf", u"C");
  LoadLocal({a, b, c});
  TickAll();
  progress.pumps = 0;
  progress.stopAtPump = 2;
  RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);
  EXPECT_TRUE((*w.local)[0].Has(InstalledNow));
  EXPECT_TRUE((*w.local)[1].Has(Selected));
  EXPECT_TRUE((*w.local)[2].Has(Selected));
  EXPECT_EQ(w.registry.keys[kFontsPath].values.size(), 1u);

  progress.stopAtPump = -1;
  RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);  // clears the stop
  EXPECT_EQ(w.registry.keys[kFontsPath].values.size(), 3u);
}

TEST_F(Loops, InstallFailsBeforeTouchingAnythingWhenTheFolderIsGone) {
  const auto abc = w.AddFont(u"abc.ttf", u"Abc");
  LoadLocal({abc});
  TickAll();
  w.files.folders.erase(u"c:\\fonts");
  const int broadcasts = w.fonts.broadcasts;
  try {
    RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);
    FAIL() << "expected an error";
  } catch (const UserError& e) {
    EXPECT_EQ(e.Message(), u"カレントディレクトリ設定に失敗しました");
  }
  EXPECT_TRUE(w.files.copies.empty());
  EXPECT_EQ(progress.opened, progress.closed);
  EXPECT_EQ(w.fonts.broadcasts, broadcasts);
}

// A refused registry write leaves the record ticked and out of the installed list, not shown as installed
// without a value; the copy refused before it is still reported.
TEST_F(Loops, InstallRegistryFailureLeavesTheRecordTickedAndReportsEarlierFailures) {
  const auto refused = w.AddFont(u"refused.ttf", u"Refused"), abc = w.AddFont(u"abc.ttf", u"Abc");
  LoadLocal({refused, abc});
  TickAll();
  w.local->LastFolder = u"C:\\fonts";
  w.files.refusedTargets.insert(LowerAscii(kFontsFolder + u"\\refused.ttf"));
  w.registry.keys[kFontsPath].refuseWrites = true;
  try {
    RunInstall(w.loop, progress, *w.local, *w.installed, kFontsFolder, true, *w.registryData);
    FAIL() << "expected an error";
  } catch (const UserError& e) {
    EXPECT_EQ(e.Message(), u"レジストリ書き込みに失敗しました\r\nAbc (TrueType)");
  }
  for (const auto& r : w.local->Items) {
    EXPECT_TRUE(r->Has(Selected));
    EXPECT_FALSE(r->Has(InstalledNow));
  }
  EXPECT_EQ(w.installed->Count(), 0);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].Caption, u"コピーエラー");
  EXPECT_EQ(w.messages[0].Text, u"次のファイルはコピーできなかったためインストールしませんでした。\r\n" + refused + u"\r\n");
  EXPECT_EQ(w.files.currentDirectory, u"C:\\start");
}

class Uninstall : public Loops {
 protected:
  std::u16string Installed(const std::u16string& fileName, const std::u16string& family) {
    const auto path = w.AddFont(fileName, family, u"Regular", 0, kFontsFolder);
    w.registry.AddFont(family + u" (TrueType)", fileName);
    return path;
  }
  void LoadInstalled() {
    w.registryData->LoadFontsList();
    LoadInstalledFromRegistry(w.loop, *w.installed, *w.registryData, kFontsFolder, nullptr, &progress);
  }
};

TEST_F(Uninstall, AValueWhoseFileCannotBeReadKeepsItsMarkAfterTheLoad) {
  Installed(u"good.ttf", u"Good");
  w.files.Put(kFontsFolder + u"\\broken.ttf", Bytes(64, 0xEE));
  w.registry.AddFont(u"Broken (TrueType)", u"broken.ttf");
  LoadInstalled();
  EXPECT_EQ(w.installed->Count(), 1);
  ASSERT_EQ(w.registryData->Fonts.size(), 2u);
  for (const TRegData& entry : w.registryData->Fonts)
    EXPECT_EQ(entry.LoadFailed, entry.File == u"broken.ttf") << ToUtf8(entry.File);  // what the registry viewer shows
}

TEST_F(Uninstall, RemovesValueResourceAndFile) {
  const auto path = Installed(u"gone.ttf", u"Gone");
  LoadInstalled();
  ASSERT_EQ(w.installed->Count(), 1);
  (*w.installed)[0].Set(Selected);
  RunUninstall(w.loop, progress, *w.installed);
  EXPECT_FALSE(w.registry.HasValue(kFontsPath, u"Gone (TrueType)"));
  EXPECT_FALSE(w.files.Has(path));
  EXPECT_EQ(w.installed->Count(), 0);
  EXPECT_EQ(progress.titles.back(), u"フォントを削除中...");
}

TEST_F(Uninstall, KeepsTheValueOfAnotherFontWithTheSameFileName) {
  w.files.MakeFolder(u"D:\\other");
  w.AddFont(u"same.ttf", u"Other", u"Regular", 0, u"D:\\other");
  w.registry.AddFont(u"Other (TrueType)", u"D:\\other\\same.ttf");  // first in enumeration order
  Installed(u"same.ttf", u"Mine");
  LoadInstalled();
  for (auto& r : w.installed->Items)
    if (r->Path == kFontsFolder + u"\\same.ttf") r->Set(Selected);
  RunUninstall(w.loop, progress, *w.installed);
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Other (TrueType)"));
  EXPECT_FALSE(w.registry.HasValue(kFontsPath, u"Mine (TrueType)"));
}

TEST_F(Uninstall, MissingFilesAreReportedOneByOneAndKept) {
  const auto a = Installed(u"a.ttf", u"A"), b = Installed(u"b.ttf", u"B");
  LoadInstalled();
  for (auto& r : w.installed->Items) r->Set(Selected);
  w.files.files.erase(LowerAscii(a));
  w.files.files.erase(LowerAscii(b));
  RunUninstall(w.loop, progress, *w.installed);
  ASSERT_EQ(w.messages.size(), 2u);
  EXPECT_EQ(w.messages[0].Text, u"ファイルが見つかりません");
  EXPECT_EQ(w.installed->Count(), 2);
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"A (TrueType)"));
}

// A file Windows holds would stay on disk without the value that loads it: it is not uninstalled at all.
TEST_F(Uninstall, UndeletableFileKeepsItsValueRegistrationAndRecord) {
  const auto path = Installed(u"held.ttf", u"Held");
  LoadInstalled();
  (*w.installed)[0].Set(Selected);
  w.files.undeletable.insert(LowerAscii(path));
  w.fonts.AddResource(path);
  RunUninstall(w.loop, progress, *w.installed);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].Caption, u"削除失敗の確認");
  EXPECT_EQ(w.messages[0].Text,
            u"以下のファイルは削除できないためアンインストールしませんでした\r\n\r\n" + path + u"\r\n");
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Held (TrueType)"));
  EXPECT_TRUE(w.files.Has(path));
  EXPECT_EQ(w.fonts.registered.count(LowerAscii(path)), 1u);
  EXPECT_EQ(w.installed->Count(), 1);
}

// A registry error ends the loop, but a file kept before it is still named.
TEST_F(Uninstall, RegistryFailureStillReportsTheFilesKeptBeforeIt) {
  Installed(u"stuck.ttf", u"Stuck");
  const auto held = Installed(u"held.ttf", u"Held");  // last in the list: uninstalled first
  LoadInstalled();
  for (auto& r : w.installed->Items) r->Set(Selected);
  w.files.undeletable.insert(LowerAscii(held));
  w.registry.keys[kFontsPath].undeletable.insert(u"Stuck (TrueType)");
  EXPECT_THROW(RunUninstall(w.loop, progress, *w.installed), UserError);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].Caption, u"削除失敗の確認");
  EXPECT_EQ(w.messages[0].Text,
            u"以下のファイルは削除できないためアンインストールしませんでした\r\n\r\n" + held + u"\r\n");
  EXPECT_EQ(w.installed->Count(), 2);  // both fonts' values stayed, and so did their records
  EXPECT_EQ(progress.opened, progress.closed);
}

// The registry list is reread before the next deletion: when that reread fails, the font uninstalled before
// it is complete (value, file and record gone) and the next one untouched.
TEST_F(Uninstall, AFailedRegistryRereadStrandsNoRecordWithoutItsValue) {
  const auto a = Installed(u"a.ttf", u"A"), b = Installed(u"b.ttf", u"B");
  LoadInstalled();
  for (auto& r : w.installed->Items) r->Set(Selected);
  FaultPlan plan;
  plan.faultReads = true;
  plan.armed = true;
  // b.ttf: registration removed, deletion checked, key opened, value deleted, attributes cleared, file
  // deleted; then the reread.
  plan.failAt = 7;
  w.AttachFaults(plan);
  EXPECT_THROW(RunUninstall(w.loop, progress, *w.installed), UserError);
  plan.armed = false;
  ASSERT_TRUE(plan.failed.has_value());
  ASSERT_EQ(plan.failed->kind, CallKind::Read);
  EXPECT_FALSE(w.files.Has(b));
  EXPECT_FALSE(w.registry.HasValue(kFontsPath, u"B (TrueType)"));
  EXPECT_TRUE(w.files.Has(a));
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"A (TrueType)"));
  ASSERT_EQ(w.installed->Count(), 1);
  EXPECT_EQ((*w.installed)[0].Path, a);
}

TEST_F(Uninstall, RegistryLoadSkipsOtherKindsAndDuplicatesAndPutsMarlettFirst) {
  w.files.Put(kFontsFolder + u"\\Marlett.ttf", FontBytes(u"Marlett"));
  Installed(u"dup.ttf", u"Dup");
  w.registry.AddFont(u"Dup Again (TrueType)", u"DUP.TTF");
  w.registry.AddFont(u"Courier", u"coure.fon");
  LoadInstalled();
  ASSERT_EQ(w.installed->Count(), 2);
  EXPECT_EQ((*w.installed)[0].Flags, SystemFont);
  EXPECT_EQ((*w.installed)[1].SystemName, u"Dup");
}

TEST_F(Loops, CopyOverwritesAndCountsMissingSources) {
  const auto a = w.AddFont(u"a.ttf", u"A");
  w.files.MakeFolder(u"D:\\out");
  w.files.Put(u"D:\\out\\a.ttf", Bytes(3, 0));
  EXPECT_EQ(RunCopy(w.loop, progress, w.files, u"D:\\out", {a, u"C:\\fonts\\none.ttf"}), 1);
  EXPECT_EQ(w.files.BytesOf(u"D:\\out\\a.ttf"), w.files.BytesOf(a));
  EXPECT_EQ(w.fonts.broadcasts, 0);
}

TEST_F(Loops, ReleaseAllRemovesPreviewRegistrationsOnly) {
  const auto a = w.AddFont(u"a.ttf", u"A"), b = w.AddFont(u"b.ttf", u"B");
  w.registry.AddFont(u"B (TrueType)", u"b.ttf");  // installed: listed, never registered for preview
  w.fonts.systemFamilies.push_back({u"B", 0, 2});
  w.registryData->LoadFontsList();
  LoadLocal({a, b});
  ASSERT_TRUE((*w.local)[1].Has(Installed));
  struct Bar : BarProgress {
    void Open() override { ++opened; }
    void Close() override { ++closed; }
    void SetMaximum(int m) override { maximum = m; }
    void SetPosition(int) override {}
    int opened = 0, closed = 0, maximum = 0;
  } bar;
  const int broadcasts = w.fonts.broadcasts;
  ReleaseAll(*w.local, bar);
  EXPECT_EQ(bar.maximum, 1);
  EXPECT_EQ(bar.closed, 1);
  EXPECT_EQ(w.local->Count(), 0);
  EXPECT_EQ(w.fonts.calls.back(), u"remove " + a);
  EXPECT_EQ(w.fonts.broadcasts, broadcasts + 1);
}

}  // namespace
}  // namespace velura::testing
