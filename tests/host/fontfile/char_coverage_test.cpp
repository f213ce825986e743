// The generated character sets (sizes and a few members that tell the sources apart) and what a face's
// map covers of them and of typed text.
#include <gtest/gtest.h>

#include <algorithm>

#include "fontfile/char_coverage.h"

namespace velura {
namespace {

bool In(CharSetId id, char32_t c) {
  const auto set = CharSetCodePoints(id);
  return std::binary_search(set.begin(), set.end(), c);
}

TEST(CharSets, SizesAndTellingMembers) {
  const std::pair<CharSetId, std::size_t> sizes[] = {{CharSetId::Kana, 176},
                                                     {CharSetId::Jis0208Level1, 2965},
                                                     {CharSetId::Jis0208Level2, 3390},
                                                     {CharSetId::Jis0208NonKanji, 524},
                                                     {CharSetId::Jis0213Beyond0208, 4329},
                                                     {CharSetId::Joyo, 2136},
                                                     {CharSetId::Jinmeiyo, 863}};
  for (auto [id, size] : sizes) {
    const auto set = CharSetCodePoints(id);
    EXPECT_EQ(set.size(), size) << static_cast<int>(id);
    EXPECT_TRUE(std::adjacent_find(set.begin(), set.end(), std::greater_equal<>()) == set.end());
  }
  const auto beyond = CharSetCodePoints(CharSetId::Jis0213Beyond0208);
  EXPECT_EQ(std::count_if(beyond.begin(), beyond.end(), [](char32_t c) { return c > 0xFFFF; }), 303);

  EXPECT_TRUE(In(CharSetId::Jis0208Level1, U'亜'));
  EXPECT_TRUE(In(CharSetId::Jis0208Level2, U'弌'));
  EXPECT_TRUE(In(CharSetId::Jis0208NonKanji, U'〒'));
  EXPECT_TRUE(In(CharSetId::Jis0213Beyond0208, U'𠀋'));
  EXPECT_TRUE(In(CharSetId::Jis0213Beyond0208, U'𩸽'));
  EXPECT_FALSE(In(CharSetId::Jis0213Beyond0208, U'𠮷'));  // an IVD variant, in neither standard
  for (CharSetId id : {CharSetId::Jis0208Level1, CharSetId::Jis0208Level2, CharSetId::Jis0213Beyond0208})
    EXPECT_FALSE(In(id, U'髙'));  // a vendor extension
  EXPECT_TRUE(In(CharSetId::Joyo, U'璽'));
  EXPECT_FALSE(In(CharSetId::Joyo, U'瑛'));
  EXPECT_TRUE(In(CharSetId::Jinmeiyo, U'瑛'));
  EXPECT_FALSE(In(CharSetId::Kana, U'ゟ'));
}

TCharMap MapOf(std::vector<CodePointRange> ranges, std::vector<VariationSequence> sequences = {}) {
  TCharMap map;
  map.Found = true;
  map.Ranges = std::move(ranges);
  map.Sequences = std::move(sequences);
  return map;
}

TEST(CharCoverage, CountsPerSet) {
  const auto coverage = CoverageOf(MapOf({{0x3041, 0x3096}, {0x30A1, 0x30FA}, {0x4E9C, 0x4E9C}, {0x20000, 0x2A6DF}}));
  EXPECT_EQ(coverage.CodePoints, 176u + 1 + 0xA6E0);
  EXPECT_TRUE(coverage.Covers(CharSetId::Kana));
  EXPECT_EQ(coverage.CountOf(CharSetId::Jis0208Level1), 1u);
  EXPECT_FALSE(coverage.Covers(CharSetId::Jis0208Level1));
  EXPECT_GT(coverage.CountOf(CharSetId::Jis0213Beyond0208), 250u);
  EXPECT_EQ(CoverageOf(TCharMap{}), FaceCoverage{});
}

TEST(CharCoverage, TypedTextWithSurrogatesAndSelectors) {
  const auto map = MapOf({{0x3042, 0x3042}, {0x845B, 0x845B}, {0x2000B, 0x2000B}}, {{0x845B, 0x845B, 0xE0100, true}});
  EXPECT_TRUE(MapsAllOf(map, u"あ𠀋葛"));
  EXPECT_TRUE(MapsAllOf(map, u"葛\U000E0100あ"));
  EXPECT_FALSE(MapsAllOf(map, u"葛\U000E0101"));  // a sequence the face does not list
  EXPECT_FALSE(MapsAllOf(map, u"あ\U000E0100"));
  EXPECT_FALSE(MapsAllOf(map, u"\U000E0100"));
  EXPECT_FALSE(MapsAllOf(map, u"葛\U000E0100\U000E0100"));
  EXPECT_FALSE(MapsAllOf(map, u"𠀋い"));
  const char16_t loneHigh[] = {0x3042, 0xD840}, loneLow[] = {0xDC0B, 0x3042};
  EXPECT_FALSE(MapsAllOf(map, std::u16string_view(loneHigh, 2)));
  EXPECT_FALSE(MapsAllOf(map, std::u16string_view(loneLow, 2)));
  // A face that maps surrogate code points still cannot show a lone one.
  EXPECT_FALSE(MapsAllOf(MapOf({{0xD800, 0xDFFF}}), std::u16string_view(loneLow, 1)));
}

}  // namespace
}  // namespace velura
