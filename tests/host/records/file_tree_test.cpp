// The file tree and the sample list built from it.
#include <gtest/gtest.h>

#include <string>

#include "record_world.h"
#include "model_tree.h"

namespace velura::testing {
namespace {

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
  FillTree(*w.local, tree, w.loop);
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
  FillSampleListFromTree(tree, samples, w.loop);
  EXPECT_EQ(samples.texts, (std::vector<std::u16string>{u"One", u"Two", u"Two", u"Two"}));
  EXPECT_EQ((*w.local)[1].DisplayNames[2].ListIndex, 3);
}

// The fills run under the browsers' wait box, which takes no input: they paint it through their context.
TEST(FileTree, LongFillsPaintTheWaitingWindowsEvery256Files) {
  RecordWorld w;
  const auto bytes = FontBytes(u"Many");
  for (int i = 0; i < 600; ++i) {
    std::u16string path = u"C:\\fonts\\f";
    for (char digit : std::to_string(i)) path += static_cast<char16_t>(digit);
    w.files.Put(path, bytes);
    ASSERT_NE(w.local->AddFontFile(path), nullptr);
  }
  for (auto& r : w.local->Items) ChooseDisplayNames(r->Faces, r->DisplayNames, w.priority);
  int paints = 0;
  w.loop.PaintWaitingWindows = [&paints] { ++paints; };

  ModelTree tree;
  FillTree(*w.local, tree, w.loop);
  EXPECT_EQ(paints, 2);  // after the 256th and the 512th file
  ModelList samples;
  FillSampleListFromTree(tree, samples, w.loop);
  EXPECT_EQ(paints, 4);
}

}  // namespace
}  // namespace velura::testing
