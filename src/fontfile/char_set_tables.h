// The generated code point tables behind CharSetCodePoints, in the order of CharSetId; defined in the
// build tree by scripts/gen_char_sets.py.
#pragma once
#include <array>
#include <span>

#include "fontfile/char_sets.h"

namespace velura {

inline constexpr std::size_t kCharSetCount = kAllCharSets.size();
extern const std::array<std::span<const char32_t>, kCharSetCount> kCharSetTables;

}  // namespace velura
