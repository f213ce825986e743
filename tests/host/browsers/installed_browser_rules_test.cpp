// The installed browser's rules over a model tree: summary, selection by folder, the uninstall guard and the
// removal of registry entries alone.
#include <gtest/gtest.h>

#include <memory>

#include "../records/model_tree.h"
#include "../records/record_world.h"
#include "records/record_rules.h"
#include "ui/browsers/installed_browser_rules.h"

namespace velura::testing {
namespace {

// Two folders: the fonts folder with Marlett, a plain file and a two-font collection; another folder with
// one file. Each node shows its record's state image.
struct Folders {
  std::vector<std::unique_ptr<TFileDataItem>> records;
  ModelTree tree;
  FileTree::Node fontsFolder = nullptr, marlett = nullptr, plain = nullptr, collection = nullptr,
                 collectionFont = nullptr, otherFolder = nullptr, other = nullptr;

  TFileDataItem* Record(std::u16string path, std::int32_t size, std::uint8_t flags, bool fullName = false) {
    auto record = std::make_unique<TFileDataItem>();
    record->Path = std::move(path);
    record->FileSize = size;
    record->Flags = flags;
    record->UseFullName = fullName;
    records.push_back(std::move(record));
    return records.back().get();
  }
  FileTree::Node Add(FileTree::Node parent, TFileDataItem* record) {
    return tree.AddNode(parent, record->Path, record, StateImageIndex(*record));
  }
  Folders() {
    fontsFolder = tree.AddNode(nullptr, u"_既定のフォントフォルダ　\"C:\\Windows\\Fonts\"", nullptr, -1);
    marlett = Add(fontsFolder, Record(u"C:\\Windows\\Fonts\\Marlett.ttf", 1000, SystemFont));
    plain = Add(fontsFolder, Record(u"C:\\Windows\\Fonts\\plain.ttf", 2048, Installed));
    TFileDataItem* ttc = Record(u"C:\\Windows\\Fonts\\pair.ttc", 4096, Installed);
    collection = Add(fontsFolder, ttc);
    collectionFont = Add(collection, ttc);
    otherFolder = tree.AddNode(nullptr, u"D:\\More", nullptr, -1);
    other = Add(otherFolder, Record(u"D:\\More\\other.ttf", 1536000, Installed, true));
  }
  TFileDataItem& R(FileTree::Node node) { return *tree.Record(node); }
};

TEST(InstalledBrowserRules, EnablingFollowsTicksRightsAndNodes) {
  InstalledBrowserState s;
  EXPECT_FALSE(installed_enable::Uninstall(s));
  EXPECT_FALSE(installed_enable::Exports(s));
  s.nodeCount = 3;
  s.anyTicked = true;
  EXPECT_FALSE(installed_enable::Uninstall(s));  // not an administrator
  EXPECT_TRUE(installed_enable::CopyTicked(s));
  EXPECT_TRUE(installed_enable::Exports(s));
  s.anyTickedPerUser = true;  // this user's own fonts need no administrator
  EXPECT_TRUE(installed_enable::Uninstall(s));
  s.anyTickedPerUser = false;
  s.isAdmin = true;
  EXPECT_TRUE(installed_enable::Uninstall(s));
}

TEST(InstalledBrowserRules, WithoutAdministratorRightsOnlyPerUserTicksStay) {
  Folders f;
  const FileTree::Node userFolder = f.tree.AddNode(nullptr, u"_このユーザーのフォントフォルダ　\"C:\\U\"", nullptr, -1);
  const FileTree::Node mine = f.Add(userFolder, f.Record(u"C:\\U\\mine.ttf", 10, Installed | PerUser));
  f.R(f.plain).Set(Selected);
  f.R(f.collection).Set(Selected);
  EXPECT_TRUE(AnyTickedNode(f.tree));
  EXPECT_FALSE(AnyTickedNode(f.tree, true));
  f.R(mine).Set(Selected);
  EXPECT_TRUE(AnyTickedNode(f.tree, true));

  UntickMachineWideFiles(f.tree);
  EXPECT_FALSE(f.R(f.plain).Has(Selected));
  EXPECT_FALSE(f.R(f.collection).Has(Selected));
  EXPECT_EQ(f.tree.StateImage(f.collectionFont), StateImageIndex(f.R(f.collection)));  // its font shows it too
  EXPECT_TRUE(f.R(mine).Has(Selected));
}

TEST(InstalledBrowserRules, SummaryCountsFontsOfCollectionsAndLeavesOutFullNameFiles) {
  Folders f;
  f.R(f.other).Set(Selected);
  const InstalledSummary s = SummarizeInstalledTree(f.tree, f.collectionFont);
  EXPECT_EQ(s.files, 4);
  EXPECT_EQ(s.fonts, 4);  // Marlett, plain, two in the collection; other.ttf has UseFullName
  EXPECT_EQ(s.totalBytes, 1000 + 2048 + 4096 + 1536000);
  EXPECT_EQ(s.checkedFiles, 1);
  EXPECT_EQ(s.folders, 2);
  EXPECT_EQ(s.folderFiles, 3);
  EXPECT_EQ(s.folderFonts, 4);
  EXPECT_EQ(s.folderBytes, 1000 + 2048 + 4096);

  const auto first = SummaryTexts1(s);
  EXPECT_EQ(first[0], u"総ファイル数： 4");
  EXPECT_EQ(first[1], u"総フォント数： 4");
  EXPECT_EQ(first[2], u"総ファイルサイズ： 1.5MB");
  EXPECT_EQ(first[3], u"選択ファイル数： 1");
  EXPECT_EQ(first[4], u"選択ファイルサイズ： 1,500KB(1.5MB)");
  const auto second = SummaryTexts2(s);
  EXPECT_EQ(second[0], u"インストール先： 2ケ所");
  EXPECT_EQ(second[1], u"フォルダ内のファイル数： 3");
  EXPECT_EQ(second[2], u"フォルダ内のフォント数： 4");
  EXPECT_EQ(second[3], u"フォルダ内のファイルサイズ： 0.0MB");

  const InstalledSummary none = SummarizeInstalledTree(f.tree, nullptr);  // no folder is the current one
  EXPECT_EQ(none.folderFiles, 0);
  EXPECT_EQ(SummarizeInstalledTree(f.tree, f.otherFolder).folderFonts, 0);
}

TEST(InstalledBrowserRules, GroupedNumbersRoundHalvesAwayFromZero) {
  EXPECT_EQ(GroupedNumber(0, 1), u"0.0");
  EXPECT_EQ(GroupedNumber(0.05, 1), u"0.1");
  EXPECT_EQ(GroupedNumber(999.96, 1), u"1,000.0");
  EXPECT_EQ(GroupedNumber(1234567.0, 0), u"1,234,567");
  EXPECT_EQ(GroupedNumber(2.5, 0), u"3");
  EXPECT_EQ(GroupedNumber(123.0, 0), u"123");
}

TEST(InstalledBrowserRules, TickingAFolderNeverTicksMarlettAndStaysInItsFolder) {
  Folders f;
  TickAllInFolder(f.tree, nullptr, true);  // without a selection nothing happens
  EXPECT_FALSE(AnyTickedNode(f.tree));
  TickAllInFolder(f.tree, f.plain, true);
  EXPECT_FALSE(f.R(f.marlett).Has(Selected));
  EXPECT_EQ(f.tree.StateImage(f.marlett), StateImageIndex(f.R(f.marlett)));
  EXPECT_TRUE(f.R(f.plain).Has(Selected));
  EXPECT_TRUE(f.R(f.collection).Has(Selected));
  EXPECT_EQ(f.tree.StateImage(f.collectionFont), f.tree.StateImage(f.collection));
  EXPECT_FALSE(f.R(f.other).Has(Selected));
  TickAllInFolder(f.tree, f.plain, true);  // a ticked image is not raised again
  EXPECT_EQ(f.tree.StateImage(f.plain), StateImageIndex(f.R(f.plain)));

  TickAllInFolder(f.tree, f.fontsFolder, false);
  EXPECT_FALSE(AnyTickedNode(f.tree));
  EXPECT_EQ(f.tree.StateImage(f.plain), StateImageIndex(f.R(f.plain)));
}

struct Asked {
  std::vector<std::u16string> systemFonts, protectedFonts;
  std::vector<ProtectedAnswer> answers;
  UninstallGuardAsk Ask() {
    return {[this](const TFileDataItem& r) { systemFonts.push_back(r.Path); },
            [this](const TFileDataItem& r) {
              protectedFonts.push_back(r.Path);
              const ProtectedAnswer answer = answers.front();
              answers.erase(answers.begin());
              return answer;
            }};
  }
};

TEST(InstalledBrowserRules, GuardUnticksMarlettAloneWithNothingLeft) {
  Folders f;
  f.R(f.marlett).Flags = SystemFont | Protected | Selected;  // SystemFont is tested first
  f.tree.SetStateImage(f.marlett, StateImageIndex(f.R(f.marlett)));
  Asked asked;
  EXPECT_EQ(RunUninstallGuard(f.tree, asked.Ask()), GuardOutcome::NothingToDelete);
  EXPECT_EQ(asked.systemFonts.size(), 1u);
  EXPECT_TRUE(asked.protectedFonts.empty());
  EXPECT_FALSE(f.R(f.marlett).Has(Selected));
  EXPECT_EQ(f.tree.StateImage(f.marlett), StateImageIndex(f.R(f.marlett)));
}

TEST(InstalledBrowserRules, GuardAsksAProtectedCollectionOnceAndHonoursEachAnswer) {
  for (const ProtectedAnswer answer : {ProtectedAnswer::Delete, ProtectedAnswer::Keep, ProtectedAnswer::Cancel}) {
    Folders f;
    f.R(f.collection).Flags = Installed | Protected | Selected;
    f.R(f.other).Flags = Installed | Protected | Selected;
    Asked asked;
    asked.answers = {answer, ProtectedAnswer::Keep};
    const GuardOutcome outcome = RunUninstallGuard(f.tree, asked.Ask());
    if (answer == ProtectedAnswer::Cancel) {
      EXPECT_EQ(outcome, GuardOutcome::Cancelled);
      EXPECT_EQ(asked.protectedFonts.size(), 1u);  // the walk stops at once
      EXPECT_TRUE(f.R(f.other).Has(Selected));
      continue;
    }
    EXPECT_EQ(asked.protectedFonts,
              (std::vector<std::u16string>{u"C:\\Windows\\Fonts\\pair.ttc", u"D:\\More\\other.ttf"}));
    EXPECT_FALSE(f.R(f.other).Has(Selected));
    EXPECT_EQ(f.R(f.collection).Has(Selected), answer == ProtectedAnswer::Delete);
    EXPECT_EQ(f.tree.StateImage(f.collectionFont), f.tree.StateImage(f.collection));
    EXPECT_EQ(outcome, answer == ProtectedAnswer::Delete ? GuardOutcome::Proceed : GuardOutcome::NothingToDelete);
  }
}

TEST(InstalledBrowserRules, GuardKeepsAnEarlierNoWhenALaterQuestionIsCancelled) {
  Folders f;
  f.R(f.plain).Flags = Installed | Protected | Selected;
  f.R(f.other).Flags = Installed | Protected | Selected;
  Asked asked;
  asked.answers = {ProtectedAnswer::Keep, ProtectedAnswer::Cancel};
  EXPECT_EQ(RunUninstallGuard(f.tree, asked.Ask()), GuardOutcome::Cancelled);
  EXPECT_FALSE(f.R(f.plain).Has(Selected));
  EXPECT_TRUE(f.R(f.other).Has(Selected));
}

TEST(InstalledBrowserRules, GuardStillAsksAboutALaterProtectedFileAfterAnOrdinaryOne) {
  Folders f;
  f.R(f.plain).Set(Selected);
  f.R(f.other).Flags = Installed | Protected | Selected;
  Asked asked;
  asked.answers = {ProtectedAnswer::Keep};
  EXPECT_EQ(RunUninstallGuard(f.tree, asked.Ask()), GuardOutcome::Proceed);
  EXPECT_EQ(asked.protectedFonts.size(), 1u);
  EXPECT_EQ(TickedFileRecords(f.tree), std::vector<TFileDataItem*>{&f.R(f.plain)});
}

TEST(InstalledBrowserRules, QuestionTextsNameTheFileAndItsRegistryName) {
  TFileDataItem record;
  record.Path = u"C:\\Windows\\Fonts\\msgothic.ttc";
  record.SystemName = u"MS Gothic & MS PGothic";
  const std::u16string question = ProtectedQuestionText(record);
  EXPECT_EQ(question.rfind(u"msgothic.ttc ( MS Gothic & MS PGothic )\r\n\r\nこのフォントはシステムのレジストリ\r\n", 0),
            0u);
  EXPECT_NE(question.find(u"[FontMapper , FontSubstitutes , FontLink\\SystemLink]\r\n"), std::u16string::npos);
  EXPECT_EQ(question.substr(question.size() - 8), u"を押してください");
  record.Path = u"C:\\Windows\\Fonts\\Marlett.ttf";
  EXPECT_EQ(SystemFontText(record),
            u"Marlett.ttf\r\nこのフォントは特殊なフォントです\r\nあまりに危険なので削除対象から除外します");
}

TEST(InstalledBrowserRules, RegistryOnlyRemovalDropsTheRecordsWhoseValueWentAndKeepsTheFiles) {
  RecordWorld w;
  const std::u16string kept = w.AddFont(u"kept.ttf", u"Kept");
  const std::u16string gone = w.AddFont(u"gone.ttf", u"Gone");
  const std::u16string unlisted = w.AddFont(u"unlisted.ttf", u"Unlisted");
  w.registry.AddFont(u"Kept (TrueType)", kept);
  w.registry.AddFont(u"Gone (TrueType)", gone);
  w.registryData->LoadFontsList();
  for (const auto& path : {kept, gone, unlisted}) ASSERT_NE(w.installed->AddFontFile(path), nullptr);
  std::vector<TFileDataItem*> ticked = {w.installed->Items[1].get(), w.installed->Items[2].get()};
  RemoveRegistryEntriesOnly(ticked, *w.installed, *w.registryData);
  EXPECT_FALSE(w.registry.HasValue(kFontsPath, u"Gone (TrueType)"));
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Kept (TrueType)"));
  ASSERT_EQ(w.installed->Count(), 2);  // unlisted.ttf had no value to remove: its record stays
  EXPECT_EQ((*w.installed)[0].Path, kept);
  EXPECT_EQ((*w.installed)[1].Path, unlisted);
  EXPECT_TRUE(w.files.Exists(gone));
}

TEST(InstalledBrowserRules, RegistryOnlyRemovalTakesTheValueOfThatVeryFile) {
  RecordWorld w;
  const std::u16string elsewhere = w.AddFont(u"same.ttf", u"Elsewhere", u"Regular", 0, u"C:\fonts");
  const std::u16string mine = w.AddFont(u"same.ttf", u"Mine", u"Regular", 0, kFontsFolder);
  w.registry.AddFont(u"Elsewhere (TrueType)", elsewhere);
  w.registry.AddFont(u"Mine (TrueType)", u"same.ttf");
  w.registryData->LoadFontsList();
  ASSERT_NE(w.installed->AddFontFile(mine), nullptr);
  RemoveRegistryEntriesOnly({w.installed->Items[0].get()}, *w.installed, *w.registryData);
  EXPECT_FALSE(w.registry.HasValue(kFontsPath, u"Mine (TrueType)"));
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Elsewhere (TrueType)"));
  EXPECT_EQ(w.installed->Count(), 0);
}

TEST(InstalledBrowserRules, RegistryOnlyRemovalOfAPerUserFontTakesOnlyTheUsersValue) {
  RecordWorld w;
  const std::u16string userFolder = u"C:\\Users\\u\\AppData\\Local\\Microsoft\\Windows\\Fonts";
  w.files.MakeFolder(userFolder);
  w.AddFont(u"same.ttf", u"Machine", u"Regular", 0, kFontsFolder);
  const std::u16string mine = w.AddFont(u"same.ttf", u"Mine", u"Regular", 0, userFolder);
  w.registry.AddFont(u"Machine (TrueType)", u"same.ttf");
  w.registry.AddUserFont(u"Mine (TrueType)", mine);
  w.registryData->LoadFontsList();
  TFileDataItem* record = w.installed->AddFontFile(mine);
  ASSERT_NE(record, nullptr);
  record->Set(PerUser);
  RemoveRegistryEntriesOnly({record}, *w.installed, *w.registryData);
  EXPECT_FALSE(w.registry.HasValue(kUserFontsId, u"Mine (TrueType)"));
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Machine (TrueType)"));  // same file name, another font
  EXPECT_EQ(w.installed->Count(), 0);
  EXPECT_TRUE(w.files.Exists(mine));
}

TEST(InstalledBrowserRules, ARegistryFailureStopsTheRemovalAfterTheRecordsBeforeIt) {
  RecordWorld w;
  const std::u16string first = w.AddFont(u"first.ttf", u"First");
  const std::u16string stuck = w.AddFont(u"stuck.ttf", u"Stuck");
  const std::u16string last = w.AddFont(u"last.ttf", u"Last");
  w.registry.AddFont(u"First (TrueType)", first);
  w.registry.AddFont(u"Stuck (TrueType)", stuck);
  w.registry.AddFont(u"Last (TrueType)", last);
  w.registry.keys[kFontsPath].undeletable.insert(u"Stuck (TrueType)");
  w.registryData->LoadFontsList();
  for (const auto& path : {first, stuck, last}) ASSERT_NE(w.installed->AddFontFile(path), nullptr);
  const std::vector<TFileDataItem*> ticked = {w.installed->Items[0].get(), w.installed->Items[1].get(),
                                              w.installed->Items[2].get()};
  try {
    RemoveRegistryEntriesOnly(ticked, *w.installed, *w.registryData);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_EQ(error.Message(), u"レジストリ削除に失敗しました\r\nStuck (TrueType)");
  }
  ASSERT_EQ(w.installed->Count(), 2);  // first.ttf went; the failing file and the one after it stay
  EXPECT_EQ((*w.installed)[0].Path, stuck);
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"Last (TrueType)"));
}

}  // namespace
}  // namespace velura::testing
