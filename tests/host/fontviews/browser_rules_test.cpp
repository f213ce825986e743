// The browsers' shared rules: ticking, order, sample texts and the information panel.
#include <gtest/gtest.h>

#include "../records/model_tree.h"
#include "../records/record_world.h"
#include "ui/fontviews/file_order.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/font_info.h"
#include "ui/fontviews/sample_texts.h"

namespace velura::testing {
namespace {

class Ticks : public ::testing::Test {
 protected:
  void SetUp() override {
    w.local->FolderPath = u"C:\\fonts";
    w.files.Put(u"C:\\fonts\\plain.ttf", FontBytes(u"Plain"));
    w.files.Put(u"C:\\fonts\\pair.ttc", Collection({SfntBuilder::Standard(BasicNames(u"Pair")),
                                                   SfntBuilder::Standard(BasicNames(u"Pair", u"Bold"))}));
    w.files.Put(u"C:\\fonts\\reg.ttf", FontBytes(u"Reg"));
    for (auto p : {u"C:\\fonts\\plain.ttf", u"C:\\fonts\\pair.ttc", u"C:\\fonts\\reg.ttf"})
      ASSERT_NE(w.local->AddFontFile(p), nullptr);
    (*w.local)[2].Set(Installed);
    FillTree(*w.local, tree, w.loop);
    root = &ModelTree::At(tree.First());
  }
  int Image(std::size_t file) const { return root->children[file]->image; }

  RecordWorld w;
  ModelTree tree;
  const ModelTree::Item* root = nullptr;
};

TEST_F(Ticks, FaceChildTicksTheWholeFileAndRegisteredFilesNeverTick) {
  ToggleNodeTick(tree, root->children[1]->children[0]);
  EXPECT_TRUE((*w.local)[1].Has(Selected));
  EXPECT_EQ(Image(1), 4);
  EXPECT_EQ(root->children[1]->children[0]->image, 4);
  ToggleNodeTick(tree, root->children[2]);
  EXPECT_FALSE((*w.local)[2].Has(Selected));
  EXPECT_EQ(Image(2), 1);
  ToggleNodeTick(tree, root);  // no record: nothing
}

TEST_F(Ticks, InvertFlipsOnlyTickableFilesAndUntickClearsThem) {
  ToggleNodeTick(tree, root->children[0]);
  InvertTicks(tree);
  EXPECT_FALSE((*w.local)[0].Has(Selected));
  EXPECT_TRUE((*w.local)[1].Has(Selected));
  EXPECT_FALSE((*w.local)[2].Has(Selected));
  EXPECT_EQ(Image(0), 3);
  EXPECT_EQ(Image(1), 4);
  EXPECT_EQ(Image(2), 1);
  UntickAll(tree);
  EXPECT_FALSE((*w.local)[1].Has(Selected));
  EXPECT_EQ(Image(1), 3);
}

TEST_F(Ticks, FoundFacesTickTheirFiles) {
  (*w.local)[1].DisplayNames[1].Found = true;
  (*w.local)[2].DisplayNames[0].Found = true;
  TickFoundFaces(tree);
  EXPECT_TRUE((*w.local)[1].Has(Selected));
  EXPECT_FALSE((*w.local)[0].Has(Selected));
  EXPECT_FALSE((*w.local)[2].Has(Selected));
}

TEST(FileOrder, GroupsThenNames) {
  TFileDataItem japanese, other, symbol, installed, registeredOnly, otherVersion;
  for (auto* r : {&japanese, &other, &symbol, &installed, &registeredOnly, &otherVersion}) r->DisplayNames.resize(1);
  japanese.DisplayNames[0].Charset = 128;
  symbol.DisplayNames[0].Charset = 2;
  installed.Set(Installed);
  registeredOnly.Set(RegisteredOnly);
  otherVersion.Set(Installed);
  otherVersion.Set(OtherVersionInstalled);
  EXPECT_EQ(SortGroup(japanese), -5);
  EXPECT_EQ(SortGroup(symbol), 5);
  EXPECT_EQ(SortGroup(otherVersion), 20);
  EXPECT_EQ(SortGroup(installed), 30);
  EXPECT_EQ(SortGroup(registeredOnly), 40);

  auto file = [](const TFileDataItem& r) { return FileNodeFacts{&r, 3, false}; };
  const FileNodeFacts hidden{nullptr, 16, false};
  EXPECT_LT(CompareFileNodes(file(japanese), file(other), 1, 1), 0);  // group beats name
  EXPECT_GT(CompareFileNodes(file(registeredOnly), file(installed), -1, -1), 0);
  EXPECT_GT(CompareFileNodes(hidden, file(registeredOnly), -1, -1), 0);  // undisplayable last
  EXPECT_EQ(CompareFileNodes(file(other), file(other), 7, 42), 1);       // same group: by name, reduced
  const FileNodeFacts faceA{&other, 3, true}, faceB{&other, 3, true};
  EXPECT_EQ(CompareFileNodes(faceA, faceB, 5, 5), 0);  // faces keep their order
  const FileNodeFacts header{nullptr, -1, false};
  EXPECT_EQ(CompareFileNodes(header, file(other), 9, 9), 9);  // the window's own order
}

TEST(SampleTexts, CommitRules) {
  SampleTextChoices choices;
  ASSERT_EQ(choices.items.size(), 7u);
  EXPECT_EQ(choices.items[4], u"~!@#$%&*()_+-={}|[]\\:;<>?/");
  EXPECT_FALSE(CommitSampleText(choices, u"0123456789"));  // offered already: no refill
  EXPECT_TRUE(CommitSampleText(choices, u"あいう"));
  EXPECT_EQ(choices.selected, 7);
  EXPECT_TRUE(CommitSampleText(choices, u""));
  EXPECT_EQ(choices.selected, 0);
  EXPECT_EQ(SampleItemHeight(90, 96), 206);
}

TEST(FontInfo, PanelTextsOfAFace) {
  TFileDataItem r;
  r.Path = u"C:\\fonts\\x.otf";
  r.FileSize = 1234567;
  r.Faces.resize(1);
  r.DisplayNames.resize(1);
  r.Faces[0].IsOpenType = true;
  r.Faces[0].FamilyName = u"Face";
  r.Faces[0].VendorId = u"ABCD";
  r.Faces[0].CodePageRange1 = 1u << 17;
  r.Faces[0].Languages = {TNameCountryRecord{1041, u"日本語", u"全", u"族"}};
  r.DisplayNames[0].Charset = 128;
  r.DisplayNames[0].PitchAndFamily = 2;
  const FontInfoTexts info = DescribeFace(r, 0);
  EXPECT_EQ(info.Type, u"OpenType");
  EXPECT_EQ(info.FontName, u"Face");  // the display name is empty
  EXPECT_EQ(info.FileName, u"x.otf");
  EXPECT_EQ(info.Size, u"1,206KB");
  EXPECT_EQ(info.CopyrightLabel, u"Copyright (ABCD)");
  EXPECT_EQ(info.Charset, u"SHIFT JIS");
  EXPECT_EQ(info.Pitch, u"VARIABLE_PITCH");
  EXPECT_EQ(info.CodePages, std::vector<std::u16string>{u"( 932) JIS/Japan"});
  ASSERT_EQ(info.LanguageRows.size(), 1u);
  EXPECT_EQ(info.LanguageRows[0][0], u"1041");
  EXPECT_EQ(FileSizeText(512), u"1KB");
  EXPECT_EQ(LanguageGridWidths(401), (std::array<int, 4>{36, 100, 133, 133}));
}

}  // namespace
}  // namespace velura::testing
