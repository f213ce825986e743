// The character filter: which files the lists show, the hidden ticks they count, the details panel's lines
// and the first reading of the files' maps.
#include <gtest/gtest.h>

#include <vector>

#include "../records/record_world.h"
#include "fontfile/char_sets.h"
#include "records/coverage_loading.h"
#include "support/mapped_cmap.h"
#include "ui/fontviews/char_filter.h"

namespace velura::testing {
namespace {

std::vector<char32_t> Sets(std::initializer_list<CharSetId> ids, std::initializer_list<char32_t> extra = {}) {
  std::vector<char32_t> points(extra);
  for (CharSetId id : ids) {
    const auto set = CharSetCodePoints(id);
    points.insert(points.end(), set.begin(), set.end());
  }
  return points;
}

class CharFilterWorld : public ::testing::Test {
 protected:
  TFileDataItem& Add(const std::u16string& name, const std::vector<std::vector<char32_t>>& faces) {
    const std::u16string path = u"C:\\fonts\\" + name;
    std::vector<SfntBuilder> built;
    for (std::size_t i = 0; i < faces.size(); ++i)
      built.push_back(MappedFace(BasicNames(name + DecimalU16(static_cast<std::int64_t>(i))), faces[i]));
    w.files.Put(path, faces.size() == 1 ? built[0].Build() : Collection(built));
    TFileDataItem* record = w.local->AddFontFile(path);
    EXPECT_NE(record, nullptr);
    return *record;
  }
  std::vector<TFileDataItem*> Records() {
    std::vector<TFileDataItem*> records;
    for (auto& record : w.local->Items) records.push_back(record.get());
    return records;
  }
  bool Passes(const TFileDataItem& record, CharFilterChoice choice, std::u16string text = {}) {
    return FilePasses(record, CharFilter{choice, std::move(text)});
  }

  RecordWorld w;
  FakeProgress progress{&w.loop};
};

TEST_F(CharFilterWorld, ChoicesNeedEveryOneOfTheirSetsInOneFace) {
  using enum CharFilterChoice;
  TFileDataItem& level1 = Add(u"l1.ttf", {Sets({CharSetId::Jis0208Level1})});
  TFileDataItem& levels = Add(u"l12.ttf", {Sets({CharSetId::Jis0208Level1, CharSetId::Jis0208Level2})});
  TFileDataItem& no213 = Add(u"no213.ttf", {Sets({CharSetId::Jis0208Level1, CharSetId::Jis0208Level2,
                                                 CharSetId::Jis0208NonKanji})});
  TFileDataItem& full = Add(u"full.ttf", {Sets({CharSetId::Jis0208Level1, CharSetId::Jis0208Level2,
                                               CharSetId::Jis0208NonKanji, CharSetId::Jis0213Beyond0208})});
  // Half the kana in each face of a collection: no face covers them.
  const auto kana = CharSetCodePoints(CharSetId::Kana);
  TFileDataItem& split = Add(u"split.ttc", {std::vector<char32_t>(kana.begin(), kana.begin() + 80),
                                           std::vector<char32_t>(kana.begin() + 80, kana.end())});
  ASSERT_TRUE(ReadMissingCoverage(w.loop, progress, w.files, Records()));

  EXPECT_TRUE(Passes(level1, Jis0208Level1));
  EXPECT_FALSE(Passes(level1, Jis0208Levels1And2));
  EXPECT_TRUE(Passes(levels, Jis0208Levels1And2));
  EXPECT_FALSE(Passes(levels, Jis0213));
  EXPECT_FALSE(Passes(no213, Jis0213));
  EXPECT_TRUE(Passes(full, Jis0213));
  EXPECT_FALSE(Passes(levels, Kana));
  EXPECT_FALSE(Passes(split, Kana));
  EXPECT_TRUE(Passes(split, All));
}

TEST_F(CharFilterWorld, TypedTextNeedsEveryCharacterInOneFaceSupplementaryOnesIncluded) {
  using enum CharFilterChoice;
  TFileDataItem& both = Add(u"both.ttc", {{U'A', U'あ'}, {U'A', U'𠮟'}});
  TFileDataItem& bmp = Add(u"bmp.ttf", {{U'A', U'あ', U'叱'}});
  ASSERT_TRUE(ReadMissingCoverage(w.loop, progress, w.files, Records()));

  EXPECT_TRUE(Passes(both, All, u"A𠮟"));  // the second face
  EXPECT_FALSE(Passes(both, All, u"あ𠮟"));  // no face has both
  EXPECT_FALSE(Passes(bmp, All, u"𠮟"));
  EXPECT_TRUE(Passes(bmp, All, u"叱あ"));
  EXPECT_FALSE(Passes(bmp, Kana, u"あ"));  // the choice and the text both count
}

TEST_F(CharFilterWorld, UnreadUnreadableAndUndisplayableFilesShowOnlyWithoutAFilter) {
  TFileDataItem& font = Add(u"a.ttf", {{U'A'}});
  const CharFilter filter{CharFilterChoice::All, u"A"};
  EXPECT_FALSE(FilePasses(font, filter));  // not read yet
  EXPECT_TRUE(FilePasses(font, CharFilter{}));

  w.files.Put(font.Path, Bytes{1, 2, 3});  // replaced since the load: no map to read
  ReadCoverage(font, w.files);
  EXPECT_TRUE(font.CoverageRead);
  EXPECT_TRUE(font.Coverage.empty());
  EXPECT_FALSE(FilePasses(font, filter));

  TFileDataItem& hidden = Add(u"b.ttf", {{U'A'}});
  ReadCoverage(hidden, w.files);
  hidden.CannotDisplay = true;
  EXPECT_FALSE(FilePasses(hidden, filter));
  EXPECT_TRUE(FilePasses(hidden, CharFilter{}));
}

TEST_F(CharFilterWorld, HiddenTicksAreCountedAndNamed) {
  TFileDataItem& shown = Add(u"a.ttf", {{U'A'}});
  TFileDataItem& hidden = Add(u"b.ttf", {{U'B'}});
  Add(u"c.ttf", {{U'C'}});  // hidden, not ticked
  ASSERT_TRUE(ReadMissingCoverage(w.loop, progress, w.files, Records()));
  shown.Set(Selected);
  hidden.Set(Selected);
  EXPECT_EQ(HiddenTickedCount(w.local->Items, CharFilter{CharFilterChoice::All, u"A"}), 1);
  EXPECT_EQ(HiddenTickedCount(w.local->Items, CharFilter{}), 0);
  EXPECT_EQ(HiddenTicksText(2), u"　非表示のチェック済み 2");
  EXPECT_EQ(HiddenTicksText(0), u"");
}

TEST_F(CharFilterWorld, ManyFilesAreReadInTheStatusWindowAndAStopShowsEverything) {
  for (int i = 0; i < static_cast<int>(kCoverageWindowThreshold) + 6; ++i)
    Add(u"f" + DecimalU16(i) + u".ttf", {{U'A'}});
  progress.stopAtPump = 10;
  const CharFilter asked{CharFilterChoice::All, u"A"};
  EXPECT_EQ(ReadyFilter(asked, Records(), w.loop, progress, w.files), CharFilter{});
  EXPECT_EQ(progress.titles, std::vector<std::u16string>{u"文字の収録状況を調べています..."});
  EXPECT_EQ(progress.closed, 1);
  EXPECT_EQ(CountWithoutCoverage(Records()), kCoverageWindowThreshold + 6 - 9);

  // The next use reads only what is left, fewer than make the window worth opening, and keeps the filter.
  progress.stopAtPump = -1;
  EXPECT_EQ(ReadyFilter(asked, Records(), w.loop, progress, w.files), asked);
  EXPECT_EQ(progress.opened, 1);
  EXPECT_EQ(CountWithoutCoverage(Records()), 0u);
}

TEST(CoverageLines, MappedCountThenEverySetWithItsShareCutOff) {
  TCharMap map;
  for (char32_t c : CharSetCodePoints(CharSetId::Joyo)) map.Ranges.push_back({c, c});
  map.Ranges.pop_back();  // one short of the whole set
  map.Ranges.push_back({0x20000, 0x20000});
  const auto lines = CoverageLines(CoverageOf(map));
  ASSERT_EQ(lines.size(), 1 + kAllCharSets.size());
  EXPECT_EQ(lines[0], u"収録文字数　2,136");
  EXPECT_EQ(lines[6], u"常用漢字　2135 / 2136 (99%)");
  EXPECT_EQ(lines[1], u"かな　0 / 176 (0%)");
}

}  // namespace
}  // namespace velura::testing
