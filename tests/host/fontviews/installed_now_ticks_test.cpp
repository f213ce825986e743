// Ticking a file installed during this run: its state image is -1 (no picture), ticked 0.
#include <gtest/gtest.h>

#include "../records/model_tree.h"
#include "../records/record_world.h"
#include "records/record_rules.h"
#include "ui/fontviews/file_ticks.h"

namespace velura::testing {
namespace {

class InstalledNowTicks : public ::testing::Test {
 protected:
  void SetUp() override {
    w.local->FolderPath = u"C:\\fonts";
    w.files.Put(u"C:\\fonts\\new.ttf", FontBytes(u"New"));
    w.files.Put(u"C:\\fonts\\plain.ttf", FontBytes(u"Plain"));
    for (auto p : {u"C:\\fonts\\new.ttf", u"C:\\fonts\\plain.ttf"}) ASSERT_NE(w.local->AddFontFile(p), nullptr);
    installedNow().Set(InstalledNow);
    FillTree(*w.local, tree, w.loop);
    node = ModelTree::At(tree.First()).children[0];
    ASSERT_EQ(tree.StateImage(node), -1);
  }
  TFileDataItem& installedNow() { return (*w.local)[0]; }
  // The record and its node agree: the node shows the record's image.
  void ExpectAgree(bool ticked) {
    EXPECT_EQ(installedNow().Has(Selected), ticked);
    EXPECT_EQ(tree.StateImage(node), StateImageIndex(installedNow()));
    EXPECT_EQ(IsUntickedImage(tree.StateImage(node)), !ticked);
  }

  RecordWorld w;
  ModelTree tree;
  FileTree::Node node = nullptr;
};

TEST_F(InstalledNowTicks, SelectAllAndInvertKeepTheRecordAndItsImageTogether) {
  TickAll(tree);
  ExpectAgree(true);
  EXPECT_EQ(tree.StateImage(node), 0);
  InvertTicks(tree);
  ExpectAgree(false);
  InvertTicks(tree);
  ExpectAgree(true);
  UntickAll(tree);
  ExpectAgree(false);
}

TEST_F(InstalledNowTicks, FoundFaceTicksTheFileAndItsImage) {
  installedNow().DisplayNames[0].Found = true;
  TickFoundFaces(tree);
  ExpectAgree(true);
  TickFoundFaces(tree);  // ticked already: stays ticked
  ExpectAgree(true);
}

}  // namespace
}  // namespace velura::testing
