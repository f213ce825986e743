// The one-time install window's rules: the simple check of typed paths, the content view's order, the
// status panels and the CSV of the font view.
#include "ui/onetime/onetime_rules.h"

#include <gtest/gtest.h>

#include "../records/model_tree.h"

namespace velura {
namespace {

TEST(OneTimeManualPath, TheDocumentedExamplesAndTheirNeighbours) {
  EXPECT_EQ(CheckManualPath(u"C:font.ttf"), ManualPath::Rejected);  // drive and colon, then a name
  EXPECT_EQ(CheckManualPath(u"C:/fonts"), ManualPath::Folder);
  EXPECT_EQ(CheckManualPath(u"..\\fonts\\A.OTF"), ManualPath::File);
  EXPECT_EQ(CheckManualPath(u"./a.ttc"), ManualPath::File);
  EXPECT_EQ(CheckManualPath(u".\\sub"), ManualPath::Folder);
  EXPECT_EQ(CheckManualPath(u"../"), ManualPath::Folder);
  for (const char16_t* bad : {u"", u"C", u"C:", u"fonts\\a.ttf", u"\\\\server\\share", u".a.ttf", u"...\\a.ttf",
                              u"CD:\\a.ttf", u"/usr/share"})
    EXPECT_EQ(CheckManualPath(bad), ManualPath::Rejected);
}

TEST(OneTimeManualPath, FontExtensionsInAnyCaseOnly) {
  EXPECT_TRUE(HasFontExtension(u"a.TtF"));
  EXPECT_TRUE(HasFontExtension(u".otf"));
  EXPECT_FALSE(HasFontExtension(u"otf"));
  EXPECT_FALSE(HasFontExtension(u"a.ttf.bak"));
  EXPECT_FALSE(HasFontExtension(u"a.fon"));
  EXPECT_EQ(CheckExistingPath(u"x.txt", false, true), CheckedPath::Skip);
  EXPECT_EQ(CheckExistingPath(u"x.ttf", false, false), CheckedPath::Skip);   // missing
  EXPECT_EQ(CheckExistingPath(u"x.ttf", true, false), CheckedPath::Folder);  // a folder named like a font
}

TEST(OneTimeContent, OwnEntriesThenDescendantsDepthFirst) {
  TGroupRootClass root;
  TGroupItem& g = root.AddGroup(nullptr);
  g.AddPath("own.ttf", false);
  g.AddPath("ownDir", true);
  TGroupItem& c1 = g.AddChild();
  c1.AddPath("c1.ttf", false);
  c1.AddChild().AddPath("c1x", true);
  g.AddChild().AddPath("c2", true);
  const ContentPlan plan = PlanContent(g);
  ASSERT_EQ(plan.ownFolders.size(), 1u);
  EXPECT_EQ(plan.ownFolders[0].item->Path, "ownDir");
  ASSERT_EQ(plan.childFolders.size(), 2u);
  EXPECT_EQ(plan.childFolders[0].item->Path, "c1x");  // c1's child before c2
  EXPECT_EQ(plan.childFolders[1].item->Path, "c2");
  EXPECT_EQ(plan.childFiles[0].section, ContentSection::Descendants);
  std::vector<std::string> registered;
  for (TNameItem* e : EntriesOfGroupAndDescendants(g)) registered.push_back(e->Path);
  EXPECT_EQ(registered, (std::vector<std::string>{"own.ttf", "ownDir", "c1.ttf", "c1x", "c2"}));
  EXPECT_NE(ContentEntryColour(ContentSection::Own, true), ContentEntryColour(ContentSection::Descendants, true));
}

TEST(OneTimeEnable, TheRulesOfTheActionUpdate) {
  OneTimeState s;
  EXPECT_FALSE(onetime_enable::GroupCommands(s));
  EXPECT_FALSE(onetime_enable::ExportTreeTxt(s));
  s.groupSelected = true;
  EXPECT_TRUE(onetime_enable::GroupCommands(s));
  EXPECT_FALSE(onetime_enable::ExportTreeTxt(s));
  s.groupRegistered = true;
  EXPECT_TRUE(onetime_enable::ExportTreeTxt(s));  // even with an empty font view
  EXPECT_FALSE(onetime_enable::FontViewCommands(s));
  s.fontNodes = 1;
  EXPECT_TRUE(onetime_enable::FontViewCommands(s));
  EXPECT_FALSE(onetime_enable::Install(s));
  s.anyFontTicked = true;
  EXPECT_TRUE(onetime_enable::Install(s));
}

TEST(OneTimeFontView, StatusPanelsCountTopLevelFilesAndTheirTicks) {
  testing::ModelTree tree;
  EXPECT_EQ(TickedPanel(SummarizeFontView(tree)), u" 選択数： 0 （0KB）");
  TFileDataItem a, b;
  a.FileSize = 1536;
  a.Flags = Selected;
  b.FileSize = 2048;
  b.FaceCount = 2;
  const auto nodeA = tree.AddNode(nullptr, u"a", &a, 4);
  tree.AddNode(nodeA, u"a face 2", &a, 4);  // a face child is not another file
  tree.AddNode(nullptr, u"b", &b, 3);
  tree.AddNode(nullptr, u"表示できないです... (x.ttf)", nullptr, 16);
  const FontViewSummary s = SummarizeFontView(tree);
  EXPECT_EQ(FileCountPanel(s), u" ファイル数： 2");
  EXPECT_EQ(TickedPanel(s), u" 選択数： 1 （2KB）");
}

TEST(OneTimeFontView, CsvHasALinePerFontNodeWithItsFaceAndOnlyTheHeaderWithoutDisplayableFonts) {
  testing::ModelTree tree;
  tree.AddNode(nullptr, u"表示できないです... (x.ttf)", nullptr, 16);
  EXPECT_EQ(FontViewCsvLines(tree), std::vector<std::u16string>{u"FullFontName,FontFamilyName,FileName,FileSize"});

  TFileDataItem collection;
  collection.Path = u"C:\\f\\pair.ttc";
  collection.FaceCount = 2;
  collection.FileSize = 2560;  // 2.5 KB: halves go to even
  collection.DisplayNames.resize(2);
  collection.DisplayNames[0].DisplayFullName = u"Pair, One";
  collection.DisplayNames[0].DisplayFamilyName = u"Pair";
  collection.DisplayNames[1].DisplayFullName = u"Pair Two";
  collection.DisplayNames[1].DisplayFamilyName = u"Pair Alt";
  const auto node = tree.AddNode(nullptr, u"Pair", &collection, 3);
  tree.AddNode(node, u"Pair Two", &collection, 3);
  const auto lines = FontViewCsvLines(tree);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], u"\"Pair, One\",Pair,pair.ttc,2KB");
  EXPECT_EQ(lines[2], u"Pair Two,Pair Alt,pair.ttc,2KB");  // the face node's own names
}

TEST(OneTimeTexts, AutoDeleteMessages) {
  EXPECT_EQ(RemovedCountText(0), u"0 件の項目を削除しました");
  EXPECT_EQ(RemovedTotalText(12), u"合計 12 件の項目を削除しました");
}

}  // namespace
}  // namespace velura
