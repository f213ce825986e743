// What the grid draws of a face: mapped code points, the symbol range, and the status count.
#include <gtest/gtest.h>

#include "support/cmap_writer.h"
#include "ui/charview/cmap_glyph.h"
#include "ui/charview/face_glyphs.h"

namespace velura {
namespace {

TCharMap MapOf(std::vector<CodePointRange> ranges, bool symbol = false) {
  TCharMap map;
  map.Ranges = std::move(ranges);
  map.Found = true;
  map.Symbol = symbol;
  return map;
}

TEST(FaceGlyphs, MappedAssignedCharactersOfTheBlock) {
  EXPECT_TRUE(FaceMaps(TCharMap{}, 0x20BB7));  // unknown: every cell drawn
  EXPECT_EQ(CoverageText(TCharMap{}, 0, 0x7F), u"");
  // U+0370 ... U+03FF holds unassigned U+0378, U+0379 and others: they are not counted either side.
  const TCharMap map = MapOf({{0x41, 0x5A}, {0x370, 0x37F}, {0x20BB7, 0x20BB7}});
  EXPECT_FALSE(FaceMaps(map, 0x61));
  EXPECT_EQ(MappedAssignedCount(map, 0x370, 0x3FF), 14u);  // 0x370 ... 0x37F without 0x378, 0x379
  EXPECT_EQ(CoverageText(map, 0x0000, 0x007F), u"収録 26 / 128 字");
  EXPECT_EQ(CoverageText(map, 0x20000, 0x2A6DF), u"収録 1 / 42,720 字");
}

TEST(FaceGlyphs, ASymbolFaceIsReachedThroughItsF000Range) {
  const TCharMap map = MapOf({{0xF020, 0xF07F}}, true);
  EXPECT_TRUE(FaceMaps(map, 0x41));
  EXPECT_FALSE(FaceMaps(map, 0x80));
  EXPECT_FALSE(FaceMaps(MapOf({{0xF020, 0xF07F}}, false), 0x41));
  EXPECT_EQ(MappedAssignedCount(map, 0x0000, 0x007F), 0x60u);
}

}  // namespace
}  // namespace velura

namespace velura {
namespace {

TEST(SupplementaryGlyph, FromTheFormat12SubtableOnly) {
  const testing::Bytes cmap = testing::CmapWith(
      {{3, 1, testing::Format4({{0x41, 0x41, 1}, {0xFFFF, 0xFFFF, 1}})},
       {3, 10, testing::Format12({{0x41, 0x41, 7}, {0x20000, 0x2000F, 100}, {0x20BB7, 0x20BB7, 9}})}});
  EXPECT_EQ(SupplementaryGlyph(cmap.data(), cmap.size(), 0x20005), 105u);
  EXPECT_EQ(SupplementaryGlyph(cmap.data(), cmap.size(), 0x20BB7), 9u);
  EXPECT_EQ(SupplementaryGlyph(cmap.data(), cmap.size(), 0x20010), 0u);
  EXPECT_EQ(SupplementaryGlyph(cmap.data(), cmap.size() - 20, 0x20BB7), 0u);  // cut short: nothing read past it
}

}  // namespace
}  // namespace velura
