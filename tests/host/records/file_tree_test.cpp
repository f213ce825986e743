// The file tree and the sample list built from it.
#include <gtest/gtest.h>

#include <list>

#include "record_world.h"
#include "records/file_tree.h"

namespace velura::testing {
namespace {

class ModelTree final : public FileTree {
 public:
  struct Item {
    const Item* parent;
    std::u16string text;
    TFileDataItem* record;
    int image;
    std::vector<const Item*> children;
  };
  Node AddNode(Node parent, const std::u16string& text, TFileDataItem* record, int image) override {
    items.push_back(Item{static_cast<const Item*>(parent), text, record, image, {}});
    const Item* added = &items.back();
    if (parent) const_cast<Item*>(static_cast<const Item*>(parent))->children.push_back(added);
    else roots.push_back(added);
    return added;
  }
  Node First() const override { return roots.empty() ? nullptr : roots[0]; }
  Node Parent(Node n) const override { return At(n).parent; }
  Node FirstChild(Node n) const override { return At(n).children.empty() ? nullptr : At(n).children[0]; }
  Node NextSibling(Node n) const override {
    const auto& siblings = At(n).parent ? At(n).parent->children : roots;
    for (std::size_t i = 0; i + 1 < siblings.size(); ++i)
      if (siblings[i] == n) return siblings[i + 1];
    return nullptr;
  }
  TFileDataItem* Record(Node n) const override { return At(n).record; }
  static const Item& At(Node n) { return *static_cast<const Item*>(n); }

  std::list<Item> items;
  std::vector<const Item*> roots;
};

class ModelList final : public SampleList {
 public:
  void Clear() override { texts.clear(); }
  int Add(const std::u16string& text, FileTree::Node) override {
    texts.push_back(text);
    return static_cast<int>(texts.size()) - 1;
  }
  void SetAllTexts(const std::u16string& text) override { std::fill(texts.begin(), texts.end(), text); }
  std::vector<std::u16string> texts;
};

TEST(FileTree, FileFaceAndUndisplayableNodesAndTheirSamples) {
  RecordWorld w;
  w.local->FolderPath = u"C:\\fonts";
  w.files.Put(u"C:\\fonts\\one.ttf", FontBytes(u"One"));
  w.files.Put(u"C:\\fonts\\two.ttc", Collection({SfntBuilder::Standard(BasicNames(u"Two")),
                                                SfntBuilder::Standard(BasicNames(u"Two", u"Bold")),
                                                SfntBuilder::Standard(BasicNames(u"Two", u"Italic"))}));
  w.files.Put(u"C:\\fonts\\none.ttf", FontBytes(u"None"));
  for (auto p : {u"C:\\fonts\\one.ttf", u"C:\\fonts\\two.ttc", u"C:\\fonts\\none.ttf"})
    ASSERT_NE(w.local->AddFontFile(p), nullptr);
  for (auto& r : w.local->Items) ChooseDisplayNames(r->Faces, r->DisplayNames, w.priority);
  (*w.local)[2].CannotDisplay = true;

  ModelTree tree;
  FillTree(*w.local, tree);
  const auto& root = ModelTree::At(tree.First());
  EXPECT_EQ(root.text, u"C:\\fonts");
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_EQ(root.children[0]->text, u"One (one.ttf)");
  EXPECT_EQ(root.children[1]->children.size(), 2u);
  EXPECT_EQ(root.children[1]->children[1]->text, u"Two Italic");
  EXPECT_EQ(root.children[2]->text, u"表示できないです... (none.ttf)");
  EXPECT_EQ(root.children[2]->image, 16);
  EXPECT_EQ(root.children[2]->record, nullptr);

  EXPECT_EQ(FaceIndexOfNode(tree, nullptr), 0);
  EXPECT_EQ(FaceIndexOfNode(tree, tree.First()), 0);
  EXPECT_EQ(FaceIndexOfNode(tree, root.children[1]), 0);  // a file node: face 0
  EXPECT_EQ(FaceIndexOfNode(tree, root.children[1]->children[1]), 2);

  ModelList samples;
  FillSampleListFromTree(tree, samples);
  EXPECT_EQ(samples.texts, (std::vector<std::u16string>{u"One", u"Two", u"Two", u"Two"}));
  EXPECT_EQ((*w.local)[1].DisplayNames[2].ListIndex, 3);
}

}  // namespace
}  // namespace velura::testing
