// Where the one-time install's entries point: what "フォルダを開く" shows.
#include "ui/onetime/onetime_entry_paths.h"

#include <gtest/gtest.h>

namespace velura {
namespace {

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
