// The folder tree of installed files and the family-name tree of the character viewers.
#include <gtest/gtest.h>

#include "../records/model_tree.h"
#include "../records/record_world.h"
#include "records/record_rules.h"
#include "ui/browsers/font_trees.h"

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
  BuildFolderTree(tree, {u"c:\\windows\\fonts", u"E:\\Empty", u"d:\\more"}, *w.installed, w.folding);
  EXPECT_EQ(Texts(tree.roots), (std::vector<std::u16string>{u"_既定のフォントフォルダ　\"c:\\windows\\fonts\"", u"d:\\more"}));
  EXPECT_EQ(tree.roots[0]->children[0]->text, u"A (a.ttf)");
  EXPECT_EQ(tree.roots[1]->children.size(), 1u);  // c.ttf lies in no listed folder
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
