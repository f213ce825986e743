// The character-map reader on arbitrary bytes, taken both as a "cmap" table and as a font file: it must
// neither crash, hang, read out of bounds nor allocate without bound, and what it returns must be sorted,
// disjoint, merged ranges.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fontfile/byte_source.h"
#include "fontfile/char_coverage.h"
#include "fontfile/cmap_subtables.h"

namespace {

void CheckMap(const velura::TCharMap& map) {
  for (std::size_t i = 0; i < map.Ranges.size(); ++i) {
    const auto& r = map.Ranges[i];
    if (r.first > r.last || r.last > 0x10FFFF) std::abort();
    if (i > 0 && r.first <= map.Ranges[i - 1].last + 1) std::abort();
  }
  for (std::size_t i = 1; i < map.Sequences.size(); ++i) {
    const auto& a = map.Sequences[i - 1];
    const auto& b = map.Sequences[i];
    if (a.base > a.lastBase || !velura::SequenceOrder(a, b)) std::abort();
    if (a.selector == b.selector && a.lastBase >= b.base) std::abort();
  }
  const auto coverage = velura::CoverageOf(map);
  if (coverage.CodePoints != map.Count()) std::abort();
  // Typed text from the first mapped code points and a listed sequence.
  std::u16string text;
  for (std::size_t i = 0; i < map.Ranges.size() && i < 4; ++i) {
    const char32_t c = map.Ranges[i].first;
    const bool selector =
        (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) || (c >= 0x180B && c <= 0x180F);
    if ((c >= 0xD800 && c <= 0xDFFF) || selector) continue;
    if (c < 0x10000) {
      text += static_cast<char16_t>(c);
    } else {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  if (!velura::MapsAllOf(map, text)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckMap(velura::ReadCharMap(data, size));
  velura::MemorySource source({data, size});
  for (const auto& map : velura::ReadFileCharMaps(source)) CheckMap(map);
  return 0;
}
