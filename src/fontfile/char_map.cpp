#include "fontfile/char_map.h"

#include <algorithm>

#include "fontfile/cmap_subtables.h"

namespace velura {

bool TCharMap::Contains(char32_t codePoint) const {
  auto it = std::upper_bound(Ranges.begin(), Ranges.end(), codePoint,
                             [](char32_t cp, const CodePointRange& r) { return cp < r.first; });
  return it != Ranges.begin() && codePoint <= std::prev(it)->last;
}

std::size_t TCharMap::Count() const {
  std::size_t n = 0;
  for (const auto& r : Ranges) n += static_cast<std::size_t>(r.last - r.first) + 1;
  return n;
}

std::size_t TCharMap::CountOf(std::span<const char32_t> sortedCodePoints) const {
  // Both lists are sorted: one walk over the two.
  std::size_t n = 0;
  auto range = Ranges.begin();
  for (char32_t cp : sortedCodePoints) {
    while (range != Ranges.end() && range->last < cp) ++range;
    if (range == Ranges.end()) break;
    if (cp >= range->first) ++n;
  }
  return n;
}

std::size_t TCharMap::CountIn(char32_t first, char32_t last) const {
  std::size_t n = 0;
  for (const auto& r : Ranges) {
    char32_t lo = std::max(first, r.first), hi = std::min(last, r.last);
    if (lo <= hi) n += static_cast<std::size_t>(hi - lo) + 1;
  }
  return n;
}

bool TCharMap::HasSequence(char32_t base, char32_t selector) const {
  // The last run that starts at or before base for this selector.
  const VariationSequence key{base, base, selector, false};
  auto it = std::upper_bound(Sequences.begin(), Sequences.end(), key, SequenceOrder);
  if (it == Sequences.begin()) return false;
  --it;
  return it->selector == selector && it->base <= base && base <= it->lastBase;
}

namespace {

struct EncodingRecord {
  std::uint16_t platform;
  std::uint16_t encoding;
  std::uint32_t offset;
};

// Windows takes the full-repertoire Unicode subtable (3,10), then the BMP one (3,1), then a symbol
// font's (3,0); a subtable in a format it does not read is passed over.
constexpr std::uint16_t kWindowsEncodings[] = {10, 1, 0};

}  // namespace

TCharMap ReadCharMap(const std::uint8_t* data, std::size_t size) {
  TCharMap map;
  const CmapBytes table(data, size);
  const std::uint64_t count = table.Has(4, 0) ? std::min<std::uint64_t>(table.U16(2), (size - 4) / 8) : 0;
  std::vector<EncodingRecord> records;
  records.reserve(count);
  for (std::uint64_t i = 0; i < count; ++i)
    records.push_back({table.U16(4 + 8 * i), table.U16(6 + 8 * i), table.U32(8 + 8 * i)});

  for (std::uint16_t encoding : kWindowsEncodings) {
    for (const EncodingRecord& r : records) {
      if (r.platform != 3 || r.encoding != encoding || !IsMappingFormatRead(table.U16(r.offset))) continue;
      if (!ReadMappedRanges(table, r.offset, map.Ranges)) continue;
      SortAndMerge(map.Ranges);
      map.Found = true;
      map.Symbol = encoding == 0;
      map.PlatformId = r.platform;
      map.EncodingId = r.encoding;
      map.Format = table.U16(r.offset);
      break;
    }
    if (map.Found) break;
  }

  for (const EncodingRecord& r : records) {
    if (r.platform == 0 && r.encoding == 5 && table.U16(r.offset) == 14) {
      map.Sequences = ReadVariationSequences(table, r.offset);
      std::uint64_t sequences = 0;
      for (const auto& run : map.Sequences) sequences += run.lastBase - run.base + 1;
      map.VariationSequences = static_cast<std::uint32_t>(std::min<std::uint64_t>(sequences, UINT32_MAX));
      break;
    }
  }
  return map;
}

}  // namespace velura
