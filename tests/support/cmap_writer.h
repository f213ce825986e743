// Builds "cmap" tables with real subtables (formats 4, 12/13 and 14), so tests and fuzz seeds control every
// segment, group and offset.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "support/sfnt_writer.h"

namespace velura::testing {

struct Segment4 {
  std::uint16_t start;
  std::uint16_t end;
  std::uint16_t delta = 0;
  std::uint16_t rangeOffset = 0;  // written as given: bytes from this segment's idRangeOffset entry
};

struct Group {
  std::uint32_t first;
  std::uint32_t last;
  std::uint32_t glyph;
};

struct SelectorRecord {
  std::uint32_t selector;
  std::vector<std::pair<std::uint32_t, std::uint8_t>> defaults;  // start, additional count
  std::vector<std::pair<std::uint32_t, std::uint16_t>> glyphs;   // base, glyph
};

struct Subtable {
  std::uint16_t platform;
  std::uint16_t encoding;
  Bytes data;
};

Bytes Format4(const std::vector<Segment4>& segments, const std::vector<std::uint16_t>& glyphArray = {});
Bytes Format12(const std::vector<Group>& groups, std::uint16_t format = 12);
Bytes Format14(const std::vector<SelectorRecord>& records);
// The encoding records in order, each subtable after them in the same order.
Bytes CmapWith(const std::vector<Subtable>& subtables);

// idRangeOffset of segment `segment` of `segmentCount` pointing at glyphArray[index].
inline std::uint16_t GlyphArrayOffset(std::size_t segment, std::size_t segmentCount, std::size_t index) {
  return static_cast<std::uint16_t>(2 * (segmentCount - segment) + 2 * index);
}

}  // namespace velura::testing
