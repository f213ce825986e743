// The group file byte for byte, and the reader on damaged input.
#include "records/group_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/group_store.h"
#include "fake_services.h"

namespace velura {
namespace {

using testing::Bytes;

// Builds expected bytes from text pieces and single bytes.
struct B {
  Bytes bytes;
  B& operator()(std::string_view text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
    return *this;
  }
  B& operator()(std::initializer_list<int> raw) {
    for (int b : raw) bytes.push_back(static_cast<std::uint8_t>(b));
    return *this;
  }
  B& Short(std::string_view text) { return (*this)({static_cast<int>(text.size())})(text); }
};

Bytes Header() { return B()("TPF0").Short("TGroupRootClass")({0}).Short("GroupItem").bytes; }

Bytes ExampleGroupA() {
  B b;
  b.bytes = Header();
  b({0x0E, 0x01}).Short("GroupChildItem")({0x0E, 0x00}).Short("PathCollection")({0x0E, 0x01});
  b.Short("Path")({0x06, 0x04})("C:\\F").Short("IsDir")({0x09, 0x00, 0x00});
  b.Short("GroupName")({0x06, 0x01})("A").Short("UseParent")({0x08}).Short("NowOneTimeInst")({0x08, 0x00, 0x00});
  b({0x00, 0x00});
  return b.bytes;
}

TEST(GroupFile, EmptyStoreIsTheDocumentedBytes) {
  TGroupRootClass root;
  Bytes expected = Header();
  expected.insert(expected.end(), {0x0E, 0x00, 0x00, 0x00});
  EXPECT_EQ(WriteGroupFile(root), expected);
}

TEST(GroupFile, GroupWithOneFolderIsTheDocumentedBytesAndReadsBack) {
  TGroupRootClass root;
  TGroupItem& a = root.AddGroup(nullptr);
  a.GroupName = "A";
  a.AddPath("C:\\F", true);
  EXPECT_EQ(WriteGroupFile(root), ExampleGroupA());

  TGroupRootClass back;
  const GroupFileRead read = ReadGroupFile(ExampleGroupA(), back);
  EXPECT_TRUE(read.complete);
  EXPECT_EQ(read.groupsRead, 1);
  ASSERT_EQ(back.GroupItem.size(), 1u);
  EXPECT_EQ(back.GroupItem[0]->GroupName, "A");
  ASSERT_EQ(back.GroupItem[0]->PathCollection.size(), 1u);
  EXPECT_EQ(back.GroupItem[0]->PathCollection[0]->Path, "C:\\F");
  EXPECT_TRUE(back.GroupItem[0]->PathCollection[0]->IsDir);
}

TEST(GroupFile, EmptyNamesAndPathsAreLeftOutAndReadBackEmpty) {
  TGroupRootClass root;
  root.AddGroup(nullptr).AddPath("", false);
  const Bytes bytes = WriteGroupFile(root);
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.find("GroupName"), std::string::npos);
  EXPECT_EQ(text.find("Path\x06"), std::string::npos);

  TGroupRootClass back;
  ASSERT_TRUE(ReadGroupFile(bytes, back).complete);
  EXPECT_EQ(back.GroupItem[0]->GroupName, "");
  EXPECT_EQ(back.GroupItem[0]->PathCollection[0]->Path, "");
  EXPECT_EQ(WriteGroupFile(back), bytes);
}

TEST(GroupFile, TextsOver255BytesUseTheLongFormAndTheBoundaryStaysShort) {
  for (std::size_t length : {255u, 256u, 70000u}) {
    TGroupRootClass root;
    const std::string path(length, 'x');
    root.AddGroup(nullptr).AddPath(path, false);
    const Bytes bytes = WriteGroupFile(root);
    const std::string text(bytes.begin(), bytes.end());
    const std::size_t at = text.find("\x04Path") + 5;
    if (length <= 255) {
      EXPECT_EQ(bytes[at], 0x06);
      EXPECT_EQ(bytes[at + 1], length);
    } else {
      EXPECT_EQ(bytes[at], 0x0C);
      const std::uint32_t stored = bytes[at + 1] | bytes[at + 2] << 8 | bytes[at + 3] << 16 | bytes[at + 4] << 24;
      EXPECT_EQ(stored, length);
    }
    TGroupRootClass back;
    ASSERT_TRUE(ReadGroupFile(bytes, back).complete);
    EXPECT_EQ(back.GroupItem[0]->PathCollection[0]->Path, path);
  }
}

TEST(GroupFile, StoredTrueFlagsAndEightBitTextAreWrittenBackUnchanged) {
  Bytes file = ExampleGroupA();
  // UseParent and NowOneTimeInst both true; the name in Shift-JIS bytes.
  for (std::size_t i = 0; i + 1 < file.size(); ++i)
    if ((file[i] == 'm' && file[i + 1] == 0x08) || (file[i] == 't' && file[i + 1] == 0x08)) file[i + 1] = 0x09;
  TGroupRootClass back;
  ASSERT_TRUE(ReadGroupFile(file, back).complete);
  EXPECT_TRUE(back.GroupItem[0]->UseParent);
  EXPECT_TRUE(back.GroupItem[0]->NowOneTimeInst);
  back.GroupItem[0]->GroupName = "\x83\x74\x83\x48\x83\x93\x83\x67";
  TGroupRootClass again;
  ASSERT_TRUE(ReadGroupFile(WriteGroupFile(back), again).complete);
  EXPECT_EQ(WriteGroupFile(again), WriteGroupFile(back));
  EXPECT_TRUE(again.GroupItem[0]->UseParent);
  EXPECT_EQ(again.GroupItem[0]->GroupName, "\x83\x74\x83\x48\x83\x93\x83\x67");
}

TEST(GroupFile, NestedGroupsKeepTheirOrderAndParents) {
  TGroupRootClass root;
  TGroupItem& a = root.AddGroup(nullptr);
  a.GroupName = "a";
  TGroupItem& a1 = a.AddChild();
  a1.GroupName = "a1";
  a1.AddChild().GroupName = "a1x";
  a.AddChild().GroupName = "a2";
  root.AddGroup(nullptr).GroupName = "b";
  TGroupRootClass back;
  const GroupFileRead read = ReadGroupFile(WriteGroupFile(root), back);
  EXPECT_TRUE(read.complete);
  EXPECT_EQ(read.groupsRead, 5);
  std::vector<std::string> names;
  for (TGroupItem* g : back.AllGroups()) names.push_back(g->GroupName);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "a1", "a1x", "a2", "b"}));
  EXPECT_EQ(back.GroupItem[0]->GroupChildItem[0]->GroupChildItem[0]->Parent(),
            back.GroupItem[0]->GroupChildItem[0].get());
  EXPECT_EQ(back.GroupItem[1]->Parent(), nullptr);
}

TEST(GroupFile, ItemIndexesBeforeItemsAreSkipped) {
  Bytes file = ExampleGroupA();
  const std::size_t firstItem = Header().size() + 1;  // after 0E
  ASSERT_EQ(file[firstItem], 0x01);
  file.insert(file.begin() + firstItem, {0x04, 0x07, 0x00, 0x00, 0x00});
  const std::string text(file.begin(), file.end());
  const std::size_t pathItem = text.find("PathCollection") + 15;
  ASSERT_EQ(file[pathItem], 0x01);
  file.insert(file.begin() + pathItem, {0x02, 0x00});
  TGroupRootClass back;
  EXPECT_TRUE(ReadGroupFile(file, back).complete);
  EXPECT_EQ(WriteGroupFile(back), ExampleGroupA());
}

TEST(GroupFile, EveryTruncationKeepsWhatWasReadAndNeverCompletes) {
  Bytes file;
  {
    TGroupRootClass root;
    for (const char* name : {"one", "two", "three"}) {
      TGroupItem& g = root.AddGroup(nullptr);
      g.GroupName = name;
      g.AddPath("C:\\fonts\\x.ttf", false);
      g.AddChild().GroupName = "child";
    }
    file = WriteGroupFile(root);
  }
  int previous = 0;
  for (std::size_t size = 0; size < file.size(); ++size) {
    TGroupRootClass back;
    const GroupFileRead read = ReadGroupFile(std::span(file.data(), size), back);
    EXPECT_FALSE(read.complete) << size;
    EXPECT_GE(read.groupsRead, previous) << size;  // a longer prefix never yields fewer groups
    previous = read.groupsRead;
  }
  EXPECT_EQ(previous, 6);
}

TEST(GroupFile, CorruptBytesEndTheReadButKeepEarlierGroups) {
  TGroupRootClass root;
  root.AddGroup(nullptr).GroupName = "kept";
  root.AddGroup(nullptr).GroupName = "second";
  Bytes file = WriteGroupFile(root);
  const std::string text(file.begin(), file.end());
  const std::size_t secondFlag = text.rfind("UseParent") + 9;
  ASSERT_EQ(file[secondFlag], 0x08);

  for (std::uint8_t bad : {0x00, 0x05, 0x07, 0x0C, 0x0E, 0xFF}) {
    Bytes damaged = file;
    damaged[secondFlag] = bad;
    TGroupRootClass back;
    const GroupFileRead read = ReadGroupFile(damaged, back);
    EXPECT_FALSE(read.complete) << int(bad);
    ASSERT_EQ(back.GroupItem.size(), 2u);
    EXPECT_EQ(back.GroupItem[0]->GroupName, "kept");
  }

  // An unknown property, a wrong signature, a long text claiming more bytes than there are.
  Bytes unknown = file;
  unknown[text.find("UseParent")] = 'X';
  TGroupRootClass u;
  EXPECT_FALSE(ReadGroupFile(unknown, u).complete);
  Bytes signature = file;
  signature[0] = 'X';
  TGroupRootClass s;
  EXPECT_EQ(ReadGroupFile(signature, s).groupsRead, 0);
  Bytes huge = file;
  const std::size_t name = text.find("GroupName") + 9;
  huge[name] = 0x0C;
  TGroupRootClass h;
  EXPECT_FALSE(ReadGroupFile(huge, h).complete);
}

TEST(GroupFile, AbsurdNestingIsDamageNotAStackOverflow) {
  B b;
  b.bytes = Header();
  for (int i = 0; i < 100000; ++i) b({0x0E, 0x01}).Short("GroupChildItem");
  TGroupRootClass back;
  const GroupFileRead read = ReadGroupFile(b.bytes, back);
  EXPECT_FALSE(read.complete);
  EXPECT_GT(read.groupsRead, 0);
}

class GroupStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { files.MakeFolder(u"C:\\prog"); }
  testing::FakeFiles files;
  GroupFileStore store{files, u"C:\\prog"};
};

TEST_F(GroupStoreTest, LoadSetsTheCurrentFolderAndAMissingFileGivesNoGroups) {
  TGroupRootClass root;
  const GroupStoreLoad load = store.Load(root);
  EXPECT_FALSE(load.found);
  EXPECT_FALSE(load.damaged);
  EXPECT_EQ(files.currentDirectory, u"C:\\prog");
  EXPECT_TRUE(DamagedGroupFileMessage(load).empty());
}

TEST_F(GroupStoreTest, DamagedFileIsCopiedAsideReportedAndThenReplaced) {
  Bytes damaged = ExampleGroupA();
  damaged.resize(damaged.size() - 3);
  files.Put(u"C:\\prog\\veluragd.bin", damaged);
  files.Put(u"C:\\prog\\veluragd.bin.damaged", Bytes{1, 2, 3});  // an older copy is replaced
  TGroupRootClass root;
  const GroupStoreLoad load = store.Load(root);
  EXPECT_TRUE(load.damaged);
  EXPECT_EQ(load.groupsRead, 1);
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin.damaged"), damaged);
  const std::u16string message = DamagedGroupFileMessage(load);
  EXPECT_NE(message.find(u"読み込めたグループ数： 1"), std::u16string::npos);
  EXPECT_NE(message.find(u"C:\\prog\\veluragd.bin.damaged"), std::u16string::npos);

  EXPECT_TRUE(store.Save(root));
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin"), ExampleGroupA());
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin.damaged"), damaged);
}

TEST_F(GroupStoreTest, DamagedFileWithoutACopyIsNeverOverwritten) {
  Bytes damaged = ExampleGroupA();
  damaged.resize(20);
  files.Put(u"C:\\prog\\veluragd.bin", damaged);
  files.refusedTargets.insert(testing::LowerAscii(u"C:\\prog\\veluragd.bin.damaged"));
  TGroupRootClass root;
  const GroupStoreLoad load = store.Load(root);
  EXPECT_TRUE(load.damagedCopy.empty());
  EXPECT_NE(DamagedGroupFileMessage(load).find(u"保存しません"), std::u16string::npos);
  EXPECT_FALSE(store.Save(root));
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin"), damaged);
}

TEST_F(GroupStoreTest, AFileThatCannotBeReadIsKeptAsideBeforeTheSaveReplacesIt) {
  files.Put(u"C:\\prog\\veluragd.bin", ExampleGroupA());
  testing::FaultPlan plan;  // the read of the file itself fails, as a file held open by another program does
  plan.faultReads = plan.armed = true;
  plan.failAt = 2;
  files.faults = &plan;
  TGroupRootClass root;
  const GroupStoreLoad load = store.Load(root);
  files.faults = nullptr;
  ASSERT_EQ(plan.failed->subject, u"C:\\prog\\veluragd.bin");
  EXPECT_TRUE(load.found && load.damaged);
  EXPECT_EQ(load.groupsRead, 0);
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin.damaged"), ExampleGroupA());
  EXPECT_NE(DamagedGroupFileMessage(load).find(u"C:\\prog\\veluragd.bin.damaged"), std::u16string::npos);
  EXPECT_TRUE(store.Save(root));
}

TEST_F(GroupStoreTest, FailedSaveIsReportedAndLeavesThePreviousFile) {
  files.Put(u"C:\\prog\\veluragd.bin", ExampleGroupA());
  TGroupRootClass root;
  store.Load(root);
  root.AddGroup(nullptr).GroupName = "new";
  files.refusedTargets.insert(testing::LowerAscii(u"C:\\prog\\veluragd.bin"));
  EXPECT_FALSE(store.Save(root));
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin"), ExampleGroupA());
}

TEST_F(GroupStoreTest, EveryEditIsSavedAtOnce) {
  TGroupRootClass root;
  store.Load(root);
  store.SaveAfterEachEdit(root);
  const std::u16string file = u"C:\\prog\\veluragd.bin";
  auto saved = [&] { return files.Has(file) && files.BytesOf(file) == WriteGroupFile(root); };

  TGroupItem& a = root.AddGroup(nullptr, "A");
  EXPECT_TRUE(saved());
  root.RenameGroup(a, "B");
  EXPECT_TRUE(saved());
  TGroupItem& child = root.AddGroup(&a, "C");
  EXPECT_TRUE(saved());
  TNameItem& entry = root.AddPath(child, "C:\\F", true);
  EXPECT_TRUE(saved());
  ASSERT_TRUE(root.MoveGroup(child, nullptr));
  EXPECT_TRUE(saved());
  ASSERT_TRUE(root.RemovePath(child, entry));
  EXPECT_TRUE(saved());
  root.DeleteGroup(child);
  EXPECT_TRUE(saved());
  EXPECT_FALSE(store.FileBehind());
}

TEST_F(GroupStoreTest, AnEditThatCouldNotBeSavedIsSavedAtTheEndAndNothingElseIs) {
  TGroupRootClass root;
  store.Load(root);
  store.SaveAfterEachEdit(root);
  files.Put(u"C:\\prog\\veluragd.bin", Bytes{7});  // not what the tree holds: must stay without an edit
  EXPECT_TRUE(store.SaveIfChanged(root));
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin"), Bytes{7});

  files.refusedTargets.insert(testing::LowerAscii(u"C:\\prog\\veluragd.bin"));
  root.AddGroup(nullptr, "A");
  EXPECT_TRUE(store.FileBehind());
  EXPECT_FALSE(store.SaveIfChanged(root));
  files.refusedTargets.clear();
  EXPECT_TRUE(store.SaveIfChanged(root));
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin"), WriteGroupFile(root));
}

TEST_F(GroupStoreTest, AFileKeptElsewhereIsReadAndWrittenThereWithTheProgramFolderCurrent) {
  files.MakeFolder(u"C:\\user");
  files.Put(u"C:\\user\\veluragd.bin", ExampleGroupA());
  GroupFileStore elsewhere{files, u"C:\\prog", u"C:\\user"};
  TGroupRootClass root;
  EXPECT_EQ(elsewhere.Load(root).groupsRead, 1);
  EXPECT_EQ(files.currentDirectory, u"C:\\prog");  // relative entries stay meant against the program
  root.AddGroup(nullptr, "B");
  EXPECT_TRUE(elsewhere.Save(root));
  EXPECT_EQ(files.BytesOf(u"C:\\user\\veluragd.bin"), WriteGroupFile(root));
  EXPECT_FALSE(files.Has(u"C:\\prog\\veluragd.bin"));
}

TEST_F(GroupStoreTest, AnEditMadePastTheHookIsStillSavedAtTheEnd) {
  files.Put(u"C:\\prog\\veluragd.bin", ExampleGroupA());
  TGroupRootClass root;
  store.Load(root);
  store.SaveAfterEachEdit(root);
  root.GroupItem[0]->GroupName = "Z";  // straight into the tree
  EXPECT_TRUE(store.SaveIfChanged(root));
  EXPECT_EQ(files.BytesOf(u"C:\\prog\\veluragd.bin"), WriteGroupFile(root));
}

}  // namespace
}  // namespace velura
