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
