#include "support/mapped_cmap.h"

#include <algorithm>

#include "support/cmap_writer.h"

namespace velura::testing {

Bytes CmapMapping(std::vector<char32_t> codePoints) {
  constexpr std::uint32_t kGlyph = 36;
  // Printable ASCII keeps the glyphs the Liberation fonts give it (space 3 ... "A" 36), so samples read right.
  const auto startGlyph = [](char32_t c) { return c >= 0x20 && c < 0x7F ? static_cast<std::uint32_t>(c) - 29 : kGlyph; };
  std::sort(codePoints.begin(), codePoints.end());
  codePoints.erase(std::unique(codePoints.begin(), codePoints.end()), codePoints.end());
  std::vector<Group> runs;
  for (char32_t c : codePoints) {
    if (!runs.empty() && runs.back().last + 1 == c)
      runs.back().last = c;
    else
      runs.push_back(Group{c, c, startGlyph(c)});
  }
  std::vector<Segment4> segments;
  for (const Group& run : runs) {
    if (run.first > 0xFFFE) break;
    const auto last = static_cast<std::uint16_t>(std::min<std::uint32_t>(run.last, 0xFFFE));
    segments.push_back(Segment4{static_cast<std::uint16_t>(run.first), last,
                                static_cast<std::uint16_t>(run.glyph - run.first)});
  }
  segments.push_back(Segment4{0xFFFF, 0xFFFF, 1});
  return CmapWith({{3, 1, Format4(segments)}, {3, 10, Format12(runs)}});
}

SfntBuilder MappedFace(const std::vector<NameSpec>& names, const std::vector<char32_t>& codePoints) {
  return SfntBuilder::Standard(names, CmapMapping(codePoints));
}

}  // namespace velura::testing
