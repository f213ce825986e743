#include "support/cmap_writer.h"

namespace velura::testing {

namespace {

void Put(Bytes& b, std::uint64_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) b.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutAt(Bytes& b, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

}  // namespace

Bytes Format4(const std::vector<Segment4>& segments, const std::vector<std::uint16_t>& glyphArray) {
  Bytes b;
  const std::size_t n = segments.size();
  Put(b, 4, 2);
  Put(b, 16 + 8 * n + 2 * glyphArray.size(), 2);
  Put(b, 0, 2);
  Put(b, 2 * n, 2);
  Put(b, 0, 6);  // search fields: readers must not rely on them
  for (const auto& s : segments) Put(b, s.end, 2);
  Put(b, 0, 2);
  for (const auto& s : segments) Put(b, s.start, 2);
  for (const auto& s : segments) Put(b, s.delta, 2);
  for (const auto& s : segments) Put(b, s.rangeOffset, 2);
  for (std::uint16_t g : glyphArray) Put(b, g, 2);
  return b;
}

Bytes Format12(const std::vector<Group>& groups, std::uint16_t format) {
  Bytes b;
  Put(b, format, 2);
  Put(b, 0, 2);
  Put(b, 16 + 12 * groups.size(), 4);
  Put(b, 0, 4);
  Put(b, groups.size(), 4);
  for (const auto& g : groups) {
    Put(b, g.first, 4);
    Put(b, g.last, 4);
    Put(b, g.glyph, 4);
  }
  return b;
}

Bytes Format14(const std::vector<SelectorRecord>& records) {
  Bytes b;
  Put(b, 14, 2);
  Put(b, 0, 4);  // length, patched below
  Put(b, records.size(), 4);
  const std::size_t recordsAt = b.size();
  b.resize(b.size() + 11 * records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto& r = records[i];
    const std::size_t at = recordsAt + 11 * i;
    b[at] = static_cast<std::uint8_t>(r.selector >> 16);
    b[at + 1] = static_cast<std::uint8_t>(r.selector >> 8);
    b[at + 2] = static_cast<std::uint8_t>(r.selector);
    PutAt(b, at + 3, 0);
    PutAt(b, at + 7, 0);
    if (!r.defaults.empty()) {
      PutAt(b, at + 3, static_cast<std::uint32_t>(b.size()));
      Put(b, r.defaults.size(), 4);
      for (auto [start, more] : r.defaults) Put(b, std::uint64_t{start} << 8 | more, 4);
    }
    if (!r.glyphs.empty()) {
      PutAt(b, at + 7, static_cast<std::uint32_t>(b.size()));
      Put(b, r.glyphs.size(), 4);
      for (auto [base, glyph] : r.glyphs) Put(b, std::uint64_t{base} << 16 | glyph, 5);
    }
  }
  PutAt(b, 2, static_cast<std::uint32_t>(b.size()));
  return b;
}

Bytes CmapWith(const std::vector<Subtable>& subtables) {
  Bytes b;
  Put(b, 0, 2);
  Put(b, subtables.size(), 2);
  std::size_t offset = 4 + 8 * subtables.size();
  for (const auto& s : subtables) {
    Put(b, s.platform, 2);
    Put(b, s.encoding, 2);
    Put(b, offset, 4);
    offset += s.data.size();
  }
  for (const auto& s : subtables) b.insert(b.end(), s.data.begin(), s.data.end());
  return b;
}

}  // namespace velura::testing
