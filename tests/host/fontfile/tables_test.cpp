// cmap, OS/2, head and post facts of a face.
#include <gtest/gtest.h>

#include "support/font_loading.h"

namespace velura::testing {
namespace {

LoadResult WithTable(const std::string& tag, Bytes data) {
  SfntBuilder b;  // the table last, so that it ends where the file ends
  for (int i = 0; i < 9; ++i) b.Table("fil" + std::to_string(i), Bytes(4, 0));
  b.Table(tag, std::move(data));
  return LoadBytes(b.Build());
}

TEST(CmapFacts, LastMicrosoftSubtableDecides) {
  auto r = WithTable("cmap", CmapTable({{0, 3, 4}, {3, 1, 4}, {3, 10, 12}}));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.faces[0].CmapEncodingId, 10);
  EXPECT_EQ(r.faces[0].CmapFormatText, u"Format 12: Segmented coverage");
}

TEST(CmapFacts, SymbolAndNonMicrosoft) {
  auto symbol = WithTable("cmap", CmapTable({{3, 0, 4}}));
  EXPECT_EQ(symbol.faces[0].CmapEncodingId, 0);
  EXPECT_EQ(symbol.faces[0].CmapFormatText, u"Format 4: Segment mapping to delta values");

  auto none = WithTable("cmap", CmapTable({{1, 0, 0}, {0, 3, 4}}));
  EXPECT_EQ(none.faces[0].CmapEncodingId, 0);
  EXPECT_TRUE(none.faces[0].CmapFormatText.empty());

  auto other = WithTable("cmap", CmapTable({{3, 1, 14}}));
  EXPECT_EQ(other.faces[0].CmapFormatText, u"UnKnown(Format14)");
}

TEST(CmapFacts, SubtableOffsetOutsideTheFileFailsTheFace) {
  Bytes cmap = CmapTable({{3, 1, 4}});
  cmap[8] = 0x7F;  // offset 0x7F00000C
  EXPECT_FALSE(WithTable("cmap", cmap).ok);
  Bytes count = CmapTable({{3, 1, 4}});
  count[2] = 0xFF;  // 65281 encoding records that are not there
  EXPECT_FALSE(WithTable("cmap", count).ok);
}

TEST(Os2Facts, FieldsAtTheirPositions) {
  Os2Spec os2;
  os2.weightClass = 700;
  os2.unicodeRange[0] = 0;
  os2.unicodeRange[3] = 0x80000000u;
  os2.codePageRange1 = 0x00020001;
  os2.codePageRange2 = 0x80000000u;
  auto r = WithTable("OS/2", Os2Table(os2));
  ASSERT_TRUE(r.ok);
  const auto& f = r.faces[0];
  EXPECT_EQ(f.WeightClass, 700);
  EXPECT_EQ(f.UnicodeRange4, 0x80000000u);
  EXPECT_TRUE(f.HasUnicodeRanges);
  EXPECT_EQ(f.CodePageRange1, 0x00020001u);
  EXPECT_EQ(f.CodePageRange2, 0x80000000u);
}

TEST(Os2Facts, VendorId) {
  Os2Spec blanks;
  std::copy_n("    ", 4, blanks.vendor);
  EXPECT_EQ(WithTable("OS/2", Os2Table(blanks)).faces[0].VendorId, u"    ");
  Os2Spec zero;
  std::copy_n("A\0BC", 4, zero.vendor);
  EXPECT_EQ(WithTable("OS/2", Os2Table(zero)).faces[0].VendorId, u"A");
  Os2Spec noRanges;
  noRanges.unicodeRange[0] = 0;
  EXPECT_FALSE(WithTable("OS/2", Os2Table(noRanges)).faces[0].HasUnicodeRanges);
}

TEST(PostFacts, VersionCodes) {
  const std::pair<std::uint32_t, std::uint32_t> cases[] = {
      {0x00010000, 1}, {0x00020000, 2}, {0x00025000, 25}, {0x00030000, 3}, {0x00040000, 111}, {0, 111}};
  for (auto [version, code] : cases)
    EXPECT_EQ(WithTable("post", PostTable(version)).faces[0].PostVersionCode, code) << std::hex << version;
}

TEST(HeadFacts, Flags) {
  EXPECT_EQ(WithTable("head", HeadTable(0xABCD)).faces[0].HeadFlags, 0xABCD);
  EXPECT_FALSE(WithTable("head", Bytes(10, 0)).ok);  // ends before the flags word, at the end of the file
}

}  // namespace
}  // namespace velura::testing
