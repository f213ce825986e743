#include "fontfile/char_coverage.h"

namespace velura {

namespace {

bool IsVariationSelector(char32_t c) {
  return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) || (c >= 0x180B && c <= 0x180D) || c == 0x180F;
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

bool FaceCoverage::Covers(CharSetId id) const {
  return CountOf(id) == CharSetCodePoints(id).size() && !CharSetCodePoints(id).empty();
}

FaceCoverage CoverageOf(const TCharMap& map) {
  FaceCoverage coverage;
  coverage.CodePoints = static_cast<std::uint32_t>(map.Count());
  for (std::size_t i = 0; i < kAllCharSets.size(); ++i)
    coverage.SetCounts[i] = static_cast<std::uint32_t>(map.CountOf(CharSetCodePoints(kAllCharSets[i])));
  return coverage;
}

bool MapsAllOf(const TCharMap& map, std::u16string_view text) {
  // The base a selector may follow: the code point just before it, when that one was not a selector itself.
  char32_t base = 0;
  bool haveBase = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      return false;  // a lone surrogate is no character at all
    }
    if (IsVariationSelector(c)) {
      if (!haveBase || !map.HasSequence(base, c)) return false;
      haveBase = false;
      continue;
    }
    if (!map.Contains(c)) return false;
    base = c;
    haveBase = true;
  }
  return true;
}

}  // namespace velura
