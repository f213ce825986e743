// The character-map reader: format rules that decide whether a code point counts, the subtable Windows
// chooses, and damaged tables ending with a valid (possibly empty) answer.
#include <gtest/gtest.h>

#include "fontfile/byte_source.h"
#include "fontfile/char_map.h"
#include "support/cmap_writer.h"

namespace velura::testing {
namespace {

using Ranges = std::vector<CodePointRange>;

TCharMap Read(const Bytes& cmap) { return ReadCharMap(cmap.data(), cmap.size()); }
TCharMap ReadWindows(const Bytes& subtable) { return Read(CmapWith({{3, 1, subtable}})); }

void ExpectValidRanges(const TCharMap& map) {
  for (std::size_t i = 0; i < map.Ranges.size(); ++i) {
    EXPECT_LE(map.Ranges[i].first, map.Ranges[i].last);
    EXPECT_LE(map.Ranges[i].last, 0x10FFFFu);
    if (i > 0) {
      EXPECT_GT(map.Ranges[i].first, map.Ranges[i - 1].last + 1) << "ranges must be disjoint and merged";
    }
  }
}

TEST(CharMapFormat4, GlyphZeroRangeOffsetsAndTheFinalSegment) {
  const auto map = ReadWindows(Format4(
      {
          {0x41, 0x43, 0xFFBE},                             // 0x42 + delta = glyph 0
          {0x50, 0x53, 0x0000, GlyphArrayOffset(1, 4, 0)},  // glyph array 5, 0, 7, 8
          {0x54, 0x60, 0x0010},                             // continues the previous run
          {0xFFFF, 0xFFFF, 0x0000},                         // the closing segment, glyph 0xFFFF
      },
      {5, 0, 7, 8}));
  EXPECT_EQ(map.Ranges, (Ranges{{0x41, 0x41}, {0x43, 0x43}, {0x50, 0x50}, {0x52, 0x60}}));
  EXPECT_EQ(map.Count(), 18u);
  EXPECT_TRUE(map.Contains(0x55));
  EXPECT_FALSE(map.Contains(0x51));
  EXPECT_FALSE(map.Contains(0xFFFF));

  // A glyph-array entry plus idDelta wrapping to 0 is unmapped; offsets past the table map nothing.
  const auto wrapped = ReadWindows(Format4(
      {{0x30, 0x32, 0xFFFF, GlyphArrayOffset(0, 2, 0)}, {0x40, 0x4F, 0, GlyphArrayOffset(1, 2, 1000)}}, {1, 2, 3}));
  EXPECT_EQ(wrapped.Ranges, (Ranges{{0x31, 0x32}}));
}

TEST(CharMapFormat12, GlyphZeroOverlapsAndLimits) {
  const auto map = Read(CmapWith({{3, 10,
                                   Format12({{0x20000, 0x20010, 0},  // the first code is glyph 0
                                             {0x41, 0x5A, 3},
                                             {0x50, 0x60, 40},           // overlaps and extends
                                             {0x10FFF0, 0xFFFFFFFF, 9},  // clipped to U+10FFFF
                                             {0x70, 0x70, 0}})}}));
  EXPECT_EQ(map.Ranges, (Ranges{{0x41, 0x60}, {0x20001, 0x20010}, {0x10FFF0, 0x10FFFF}}));
  const auto format13 = Read(CmapWith({{3, 10, Format12({{0x100, 0x1FF, 0}, {0x41, 0x42, 7}}, 13)}}));
  EXPECT_EQ(format13.Ranges, (Ranges{{0x41, 0x42}}));
}

TEST(CharMapChoice, AsWindowsChooses) {
  const Bytes a = Format4({{0x41, 0x41, 1}, {0xFFFF, 0xFFFF, 1}});
  const Bytes b = Format4({{0x42, 0x42, 1}, {0xFFFF, 0xFFFF, 1}});
  const Bytes c = Format12({{0x43, 0x43, 1}});
  const Bytes symbol = Format4({{0xF020, 0xF0FF, 1}, {0xFFFF, 0xFFFF, 1}});

  const auto full = Read(CmapWith({{0, 3, a}, {3, 1, b}, {3, 10, c}}));
  EXPECT_TRUE(full.Found);
  EXPECT_EQ(full.EncodingId, 10);
  EXPECT_EQ(full.Format, 12);
  EXPECT_EQ(full.Ranges, (Ranges{{0x43, 0x43}}));

  // A (3,10) subtable in a format that is not read gives way to (3,1).
  const auto bmp = Read(CmapWith({{3, 10, Bytes{0, 8, 0, 0}}, {0, 4, c}, {3, 1, b}}));
  EXPECT_EQ(bmp.EncodingId, 1);
  EXPECT_EQ(bmp.Ranges, (Ranges{{0x42, 0x42}}));

  const auto sym = Read(CmapWith({{1, 0, a}, {3, 0, symbol}}));
  EXPECT_TRUE(sym.Symbol);
  EXPECT_EQ(sym.Ranges, (Ranges{{0xF020, 0xF0FF}}));

  const auto none = Read(CmapWith({{0, 3, a}, {1, 0, b}}));
  EXPECT_FALSE(none.Found);
  EXPECT_TRUE(none.Ranges.empty());
}

TEST(CharMapVariations, SequencesSortedAndCountedApart) {
  const auto map =
      Read(CmapWith({{3, 1, Format4({{0x845B, 0x845B, 1}, {0xFFFF, 0xFFFF, 1}})},
                     {0, 5, Format14({{0xE0101, {}, {{0x845B, 9}, {0x8FBB, 0}}}, {0xE0100, {{0x845B, 1}}, {}}})}}));
  EXPECT_EQ(map.VariationSequences, 3u);  // 0x845B and 0x845C by default, 0x845B with its own glyph
  EXPECT_EQ(map.Count(), 1u);
  EXPECT_EQ(map.Sequences.front(), (VariationSequence{0x845B, 0x845C, 0xE0100, true}));  // records out of order
  EXPECT_TRUE(map.HasSequence(0x845B, 0xE0101));
  EXPECT_TRUE(map.HasSequence(0x845C, 0xE0100));
  EXPECT_FALSE(map.HasSequence(0x8FBB, 0xE0101));  // glyph 0: not listed
}

TEST(CharMapMalformed, EndsWithValidRanges) {
  // Overlapping, unsorted segments over the whole BMP whose glyph arrays lie past the table.
  std::vector<Segment4> wide;
  for (int i = 0; i < 2000; ++i) wide.push_back({0, 0xFFFF, 0, static_cast<std::uint16_t>(0xFFF0 - i)});
  wide.push_back({0x3041, 0x3042, 5});
  ExpectValidRanges(ReadWindows(Format4(wide)));
  EXPECT_EQ(ReadWindows(Format4(wide)).Count(), 0u);

  Bytes countTooBig = Format4({{0x41, 0x5A, 1}, {0xFFFF, 0xFFFF, 1}});
  countTooBig[6] = countTooBig[7] = 0xFF;
  ExpectValidRanges(ReadWindows(countTooBig));

  Bytes groups = Format12({{0x41, 0x10FFFF, 1}});
  groups[12] = groups[13] = groups[14] = groups[15] = 0xFF;  // 4 billion groups claimed
  EXPECT_EQ(ReadWindows(groups).Ranges, (Ranges{{0x41, 0x10FFFF}}));

  Bytes selectors = Format14({{0xFE00, {{0x41, 255}}, {{0x42, 3}}}});
  selectors[6] = selectors[7] = selectors[8] = selectors[9] = 0xFF;
  const auto listed = Read(CmapWith({{0, 5, selectors}}));
  EXPECT_EQ(listed.VariationSequences, 256u);  // 0x42 listed twice counts once
  EXPECT_EQ(listed.Sequences, (std::vector<VariationSequence>{{0x41, 0x140, 0xFE00, true}}));

  Bytes offsetPastEnd = CmapWith({{3, 1, Format4({{0x41, 0x41, 1}})}});
  offsetPastEnd[8] = 0x7F;
  EXPECT_FALSE(Read(offsetPastEnd).Found);

  // Every prefix of a table with all formats: a clean answer or none, never a read past the end.
  const Bytes all =
      CmapWith({{3, 10, Format12({{0x20000, 0x2A6DF, 5}})},
                {3, 1, Format4({{0x41, 0x43, 0, GlyphArrayOffset(0, 2, 0)}, {0xFFFF, 0xFFFF, 1}}, {1, 0, 2})},
                {0, 5, Format14({{0xFE00, {{0x41, 3}}, {{0x42, 3}}}})}});
  for (std::size_t size = 0; size <= all.size(); ++size) ExpectValidRanges(ReadCharMap(all.data(), size));
}

SfntBuilder FaceWithCmap(const Bytes& cmap) {
  SfntBuilder face;
  for (int i = 0; i < 9; ++i) face.Table("fil" + std::to_string(i), Bytes(4, 0));
  face.Table("cmap", cmap);
  return face;
}

TEST(FileCharMaps, EveryFaceOfACollection) {
  const Bytes kana = CmapWith({{3, 1, Format4({{0x3041, 0x3096, 1}, {0xFFFF, 0xFFFF, 1}})}});
  const Bytes latin = CmapWith({{3, 1, Format4({{0x41, 0x5A, 1}, {0xFFFF, 0xFFFF, 1}})}});
  const Bytes file = Collection({FaceWithCmap(kana), FaceWithCmap(latin), FaceWithCmap(kana)});
  MemorySource source(file);
  const auto maps = ReadFileCharMaps(source);
  ASSERT_EQ(maps.size(), 3u);
  EXPECT_EQ(maps[0].Ranges, (Ranges{{0x3041, 0x3096}}));
  EXPECT_EQ(maps[1].Ranges, (Ranges{{0x41, 0x5A}}));
  EXPECT_EQ(maps[2].Ranges, maps[0].Ranges);

  const Bytes garbage(40, 0xFF);
  MemorySource bad(garbage);
  const auto one = ReadFileCharMaps(bad);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_FALSE(one[0].Found);
  const Bytes collectionHead = {'t', 't', 'c', 'f', 0, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 12};
  MemorySource truncated(collectionHead);
  EXPECT_TRUE(ReadFileCharMaps(truncated).empty());
}

}  // namespace
}  // namespace velura::testing
