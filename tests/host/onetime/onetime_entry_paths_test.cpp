// Where the one-time install's entries point: relative entries belong to the program's folder, and what
// "フォルダを開く" shows.
#include "ui/onetime/onetime_entry_paths.h"

#include <gtest/gtest.h>

namespace velura {
namespace {

TEST(OneTimeEntryPath, RelativeEntriesAreTakenFromTheProgramFolder) {
  const std::u16string program = u"D:\\tools\\velura";
  EXPECT_EQ(ResolveEntryPath(u"./fonts/a.ttf", program), u"D:\\tools\\velura\\fonts\\a.ttf");
  EXPECT_EQ(ResolveEntryPath(u"..\\shared\\", program), u"D:\\tools\\shared");
  EXPECT_EQ(ResolveEntryPath(u"sub", program + u"\\"), u"D:\\tools\\velura\\sub");
  EXPECT_EQ(ResolveEntryPath(u"..\\..\\..\\x", program), u"D:\\x");  // never above the root
  EXPECT_EQ(ResolveEntryPath(u"\\fonts", program), u"D:\\fonts");
  EXPECT_EQ(ResolveEntryPath(u"../b", u"\\\\srv\\share\\app"), u"\\\\srv\\share\\b");
  // Full paths keep their own place.
  EXPECT_EQ(ResolveEntryPath(u"C:/fonts/./a.ttf", program), u"C:\\fonts\\a.ttf");
  EXPECT_EQ(ResolveEntryPath(u"\\\\srv\\share\\f\\..\\g", program), u"\\\\srv\\share\\g");
  EXPECT_EQ(ResolveEntryPath(u"E:\\", program), u"E:\\");
  EXPECT_EQ(ResolveEntryPath(u"E:a.ttf", program), u"E:a.ttf");
}

TEST(OneTimeMissingEntries, OnlyWhatIsSurelyGoneIsMissingAndLongListsAreCut) {
  EXPECT_EQ(StateOfEntry(false, PathProbe::File), EntryState::Present);
  EXPECT_EQ(StateOfEntry(true, PathProbe::File), EntryState::Missing);  // a folder entry must be a folder
  EXPECT_EQ(StateOfEntry(false, PathProbe::Folder), EntryState::Missing);
  EXPECT_EQ(StateOfEntry(true, PathProbe::NotThere), EntryState::Missing);
  EXPECT_EQ(StateOfEntry(true, PathProbe::DriveAbsent), EntryState::Unreachable);
  EXPECT_EQ(StateOfEntry(false, PathProbe::CannotTell), EntryState::Unreachable);
  EXPECT_EQ(PathRoot(u"c:/a/b"), u"c:\\");
  EXPECT_EQ(PathRoot(u"\\\\srv\\share"), u"\\\\srv\\share\\");

  TGroupRootClass root;
  TGroupItem& group = root.AddGroup(nullptr);
  for (int i = 0; i < 32; ++i) group.AddPath("p" + std::to_string(i), false);
  MissingEntryList list;
  AddMissingEntries(
      group, [](const std::string&, bool) { return EntryState::Missing; }, list);
  EXPECT_TRUE(list.Removes("p31", false));
  EXPECT_FALSE(list.Removes("p31", true));
  const std::u16string text =
      MissingEntriesQuestion(u"head", list, [](const std::string& p) { return std::u16string(p.begin(), p.end()); });
  EXPECT_TRUE(text.starts_with(u"head\r\n\r\np0\r\np1\r\n"));
  EXPECT_TRUE(text.ends_with(u"\r\np29\r\nほか 2 件"));
}

TEST(OneTimeOpenFolder, AFolderEntryOpensItselfAndAFileEntryIsSelectedInItsFolder) {
  EXPECT_EQ(ExplorerParameters(u"C:\\fonts\\my sub", true), u"\"C:\\fonts\\my sub\"");
  EXPECT_EQ(ExplorerParameters(u"C:/fonts/sub/", true), u"\"C:\\fonts\\sub\"");
  EXPECT_EQ(ExplorerParameters(u"D:\\", true), u"D:\\");
  EXPECT_EQ(ExplorerParameters(u"\\\\server\\share\\", true), u"\"\\\\server\\share\"");
  EXPECT_EQ(ExplorerParameters(u"C:\\f\\a b.ttf", false), u"/select,\"C:\\f\\a b.ttf\"");
  EXPECT_EQ(ExplorerParameters(u"C:/f/a.TTF", false), u"/select,\"C:\\f\\a.TTF\"");
}

}  // namespace
}  // namespace velura
