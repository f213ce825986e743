// The not-installed browser's decisions: command enabling, status texts,
// network places and the work folder.
#include <gtest/gtest.h>

#include "../records/model_tree.h"
#include "ui/browsers/local_browser_rules.h"

namespace velura::testing {
namespace {

TEST(LocalBrowserEnabling, FollowsTheTable) {
  LocalBrowserState s;
  s.nodeCount = 1;  // a folder without fonts: the root only
  s.anyTicked = s.isAdmin = s.nodeSelected = true;
  EXPECT_FALSE(local_enable::Install(s));
  EXPECT_FALSE(local_enable::ListCommands(s));
  EXPECT_FALSE(local_enable::CopyTicked(s));
  EXPECT_FALSE(local_enable::ActiveFileCopy(s));
  EXPECT_FALSE(local_enable::SendDirOneTimeInst(s));
  s.nodeCount = 2;
  EXPECT_TRUE(local_enable::Install(s));
  EXPECT_TRUE(local_enable::SendOneTimeInst(s));
  s.isAdmin = false;  // a non-administrator never installs machine-wide, ticks or not
  EXPECT_FALSE(local_enable::Install(s));
  s.installsPerUser = true;  // ... but installs for themselves where Windows allows it
  EXPECT_TRUE(local_enable::Install(s));
  s.anyTicked = false;
  EXPECT_FALSE(local_enable::Install(s));
  s.anyTicked = true;
  s.installsPerUser = false;
  EXPECT_TRUE(local_enable::CopyTicked(s));
  s.anyTicked = false;
  EXPECT_FALSE(local_enable::CopyTicked(s));
  EXPECT_TRUE(local_enable::ListCommands(s));
  s.archiveChosen = true;
  s.anyTicked = true;
  EXPECT_FALSE(local_enable::SendOneTimeInst(s));
  EXPECT_FALSE(local_enable::SendDirOneTimeInst(s));
  s.nodeSelected = false;
  EXPECT_FALSE(local_enable::ActiveFileCopy(s));
  EXPECT_FALSE(local_enable::OpenExplorer(s));
  s.folderSelected = true;
  EXPECT_TRUE(local_enable::OpenExplorer(s));
}

TEST(LocalBrowserStatus, StateAndSummaryTexts) {
  TFileDataItem plain, installed, other, registered, ticked;
  installed.Set(Installed);
  installed.InstalledVersion = u"Version 1.02";
  other.Set(Installed);
  other.Set(OtherVersionInstalled);
  registered.Set(RegisteredOnly);
  ticked.Set(Selected);
  ticked.FileSize = 2 * 1024 * 1024 + 600;  // 2,048.6 KB
  plain.Set(Selected);
  plain.FileSize = 1000;
  EXPECT_EQ(FileStateText(plain), u"未インストール");
  EXPECT_EQ(FileStateText(installed), u"インストール済み(Version 1.02)");
  EXPECT_EQ(FileStateText(registered), u"レジストリ登録済み");

  ModelTree tree;
  const auto root = tree.AddNode(nullptr, u"C:\\fonts", nullptr, -1);
  for (TFileDataItem* r : {&plain, &installed, &other, &registered, &ticked}) {
    const auto file = tree.AddNode(root, u"f", r, 3);
    if (r == &ticked) tree.AddNode(file, u"face 2", r, 3);  // a face child is no file
  }
  tree.AddNode(root, u"表示できないです... (x.ttf)", nullptr, 16);
  const TickSummary summary = SummarizeTree(tree);
  EXPECT_EQ(summary.files, 5);
  EXPECT_EQ(summary.installable, 3);  // installed and registered-only go; another version stays installable
  EXPECT_EQ(summary.tickedFiles, 2);
  EXPECT_EQ(SelectionText(summary), u" 選択数： 2 （2,050KB）");
  EXPECT_EQ(FileCountText(summary), u" ファイル数： 5　（インストール可能数： 3）");
  EXPECT_EQ(SelectionText(SummarizeTree(ModelTree{})), u" 選択数： 0 （0KB）");
}

TEST(LocalBrowserPaths, NodeTextsNetworkPlacesAndWorkFolder) {
  EXPECT_EQ(FileNameInNodeText(u"Sans -> Sans Bold (sans(b).ttf)"), u"sans(b");
  EXPECT_EQ(FileNameInNodeText(u"IPAゴシック (ipag.ttf)"), u"ipag.ttf");
  EXPECT_EQ(FileNameInNodeText(u"no file"), u"");

  const std::u16string hood = u"C:\\Documents and Settings\\u\\NetHood\\";
  EXPECT_EQ(NetworkPlacePath(hood + u"fonts - (server1)"), u"\\\\server1\\fonts");
  EXPECT_EQ(NetworkPlacePath(hood + u"fonts - server1"), u"\\\\server1\\fonts");
  EXPECT_EQ(NetworkPlacePath(hood + u"fonts - (server1"), u"(server1");
  EXPECT_EQ(NetworkPlacePath(hood + u"share"), u"share");
  EXPECT_EQ(NetworkPlacePath(u"C:\\fonts"), u"C:\\fonts");

  bool missing = true;
  EXPECT_EQ(WorkFolderFor(false, u"D:\\w", true, u"C:\\Temp\\", missing), u"C:\\Temp\\VELURA__TEMP");
  EXPECT_FALSE(missing);
  EXPECT_EQ(WorkFolderFor(true, u"D:\\w", true, u"C:\\Temp\\", missing), u"D:\\w\\VELURA__TEMP");
  EXPECT_EQ(WorkFolderFor(true, u"D:\\gone", false, u"C:\\Temp\\", missing), u"C:\\Temp\\VELURA__TEMP");
  EXPECT_TRUE(missing);
  EXPECT_EQ(WorkFolderFor(true, u"", false, u"C:\\Temp\\", missing), u"C:\\Temp\\VELURA__TEMP");
  EXPECT_FALSE(missing);
}

}  // namespace
}  // namespace velura::testing
