// The folder tree of installed files and the family-name tree of the character viewers.
#include <gtest/gtest.h>

#include "../records/model_tree.h"
#include "../records/record_world.h"
#include "records/record_rules.h"
#include "ui/fontviews/font_trees.h"

namespace velura::testing {
namespace {

std::vector<std::u16string> Texts(const std::vector<const ModelTree::Item*>& items) {
  std::vector<std::u16string> texts;
  for (const auto* item : items) texts.push_back(item->text);
  return texts;
}

TEST(FontTrees, FolderTreeGroupsByFolderAndDropsEmptyFolders) {
  RecordWorld w;
  w.files.MakeFolder(u"D:\\More");
  w.AddFont(u"a.ttf", u"A", u"Regular", 0, kFontsFolder);
  w.AddFont(u"b.ttf", u"B", u"Regular", 0, u"D:\\More");
  w.AddFont(u"c.ttf", u"C", u"Regular", 0, u"C:\\fonts");
  for (auto p : {kFontsFolder + u"\\a.ttf", std::u16string(u"D:\\More\\b.ttf"), std::u16string(u"C:\\fonts\\c.ttf")})
    ASSERT_NE(w.installed->AddFontFile(p), nullptr);
  for (auto& r : w.installed->Items) ChooseDisplayNames(r->Faces, r->DisplayNames, w.priority);
  ModelTree tree;
  BuildFolderTree(tree, {u"c:\\windows\\fonts", u"E:\\Empty", u"d:\\more"}, u"C:\\Users\\u\\Fonts", *w.installed,
                  w.folding, w.loop);
  EXPECT_EQ(Texts(tree.roots), (std::vector<std::u16string>{u"_既定のフォントフォルダ　\"c:\\windows\\fonts\"", u"d:\\more"}));
  EXPECT_EQ(tree.roots[0]->children[0]->text, u"A (a.ttf)");
  EXPECT_EQ(tree.roots[1]->children.size(), 1u);  // c.ttf lies in no listed folder
}

TEST(FontTrees, PerUserFilesHaveTheirOwnRootsAfterTheFontsFolder) {
  RecordWorld w;
  const std::u16string user = u"C:\\Users\\u\\AppData\\Local\\Microsoft\\Windows\\Fonts";
  w.files.MakeFolder(u"D:\\More");
  w.files.MakeFolder(u"E:\\Mine");
  w.AddFont(u"m.ttf", u"M", u"Regular", 0, kFontsFolder);
  w.AddFont(u"u.ttf", u"U", u"Regular", 0, user);
  w.AddFont(u"d.ttf", u"D", u"Regular", 0, u"D:\\More");
  w.AddFont(u"e.ttf", u"E", u"Regular", 0, u"E:\\Mine");
  w.AddFont(u"x.ttf", u"X", u"Regular", 0, user);  // a machine-wide value naming a file in the user's folder
  for (auto p : {kFontsFolder + u"\\m.ttf", user + u"\\u.ttf", std::u16string(u"D:\\More\\d.ttf"),
                 std::u16string(u"E:\\Mine\\e.ttf"), user + u"\\x.ttf"})
    ASSERT_NE(w.installed->AddFontFile(p), nullptr);
  for (std::size_t i : {1u, 3u}) (*w.installed)[i].Set(PerUser);
  for (auto& r : w.installed->Items) ChooseDisplayNames(r->Faces, r->DisplayNames, w.priority);

  ModelTree tree;
  BuildFolderTree(tree, {u"c:\\windows\\fonts", u"d:\\more"}, user, *w.installed, w.folding, w.loop);
  EXPECT_EQ(Texts(tree.roots), (std::vector<std::u16string>{u"_既定のフォントフォルダ　\"c:\\windows\\fonts\"",
                                                            u"_このユーザーのフォントフォルダ　\"" + user + u"\"",
                                                            u"d:\\more", u"E:\\Mine"}));
  ASSERT_EQ(tree.roots[1]->children.size(), 1u);  // the machine-wide x.ttf is not a per-user font
  EXPECT_EQ(tree.roots[1]->children[0]->text, u"U (u.ttf)");
  EXPECT_EQ(tree.roots[3]->children[0]->text, u"E (e.ttf)");

  ModelTree machineOnly;  // no per-user file: no root for the user's folder
  (*w.installed)[1].Set(PerUser, false);
  (*w.installed)[3].Set(PerUser, false);
  BuildFolderTree(machineOnly, {u"c:\\windows\\fonts"}, user, *w.installed, w.folding, w.loop);
  EXPECT_EQ(machineOnly.roots.size(), 1u);
}

TEST(FontTrees, FamilyTreeLeavesOutStyleVariantsAndOffersBrowsedFonts) {
  RecordWorld w;
  w.AddFont(u"z.ttf", u"Zeta");
  w.AddFont(u"a.ttf", u"alpha");
  w.AddFont(u"ab.ttf", u"alpha", u"Bold");
  w.AddFont(u"sym.ttf", u"Sym");
  for (auto name : {u"z.ttf", u"a.ttf", u"ab.ttf", u"sym.ttf"})
    ASSERT_NE(w.installed->AddFontFile(std::u16string(u"C:\\fonts\\") + name), nullptr);
  MarkFamilyMembers(w.installed->Items, w.folding);
  (*w.installed)[3].DisplayNames[0].Charset = 2;

  ModelTree all;
  BuildFontNameTree(all, false, *w.installed, w.local.get());  // no browsed records: one root
  ASSERT_EQ(all.roots.size(), 1u);
  EXPECT_EQ(all.roots[0]->text, u"インストール済みフォント");
  EXPECT_EQ(Texts(all.roots[0]->children), (std::vector<std::u16string>{u"alpha", u"Sym", u"Zeta"}));

  w.files.Put(u"C:\\fonts\\gone.ttf", FontBytes(u"Gone"));
  w.files.Put(u"C:\\fonts\\seen.ttf", FontBytes(u"Seen"));
  ASSERT_NE(w.local->AddFontFile(u"C:\\fonts\\gone.ttf"), nullptr);
  ASSERT_NE(w.local->AddFontFile(u"C:\\fonts\\seen.ttf"), nullptr);
  (*w.local)[0].CannotDisplay = true;
  ModelTree symbols;
  BuildFontNameTree(symbols, true, *w.installed, w.local.get());
  ASSERT_EQ(symbols.roots.size(), 2u);
  EXPECT_EQ(Texts(symbols.roots[0]->children), std::vector<std::u16string>{u"Sym"});
  EXPECT_EQ(symbols.roots[1]->text, u"閲覧中のフォント");
  EXPECT_TRUE(symbols.roots[1]->children.empty());  // browsed fonts are no symbol fonts

  ModelTree browsed;
  BuildFontNameTree(browsed, false, *w.installed, w.local.get());
  EXPECT_EQ(Texts(browsed.roots[1]->children), std::vector<std::u16string>{u"Seen"});
}

}  // namespace
}  // namespace velura::testing
