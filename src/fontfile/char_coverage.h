// What a face's character map covers: the count of each character set's code points it maps, and whether
// it maps every character of a typed text.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "fontfile/char_map.h"
#include "fontfile/char_sets.h"

namespace velura {

struct FaceCoverage {
  std::uint32_t CodePoints = 0;                               // every mapped code point
  std::array<std::uint32_t, kAllCharSets.size()> SetCounts{};  // by the order of kAllCharSets
  std::uint32_t CountOf(CharSetId id) const { return SetCounts[static_cast<std::size_t>(id)]; }
  bool Covers(CharSetId id) const;  // maps every code point of the set
  bool operator==(const FaceCoverage&) const = default;
};

FaceCoverage CoverageOf(const TCharMap& map);

// Every code point of the UTF-16 text mapped (surrogate pairs as one code point; a lone surrogate is never
// mapped); a variation selector counts only after a base whose sequence the face lists.
bool MapsAllOf(const TCharMap& map, std::u16string_view text);

}  // namespace velura
