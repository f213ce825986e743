// What the chosen face really has: whether its character map reaches a code point of the grid, and how many
// of a block's assigned characters it maps, for the status bar.
#pragma once
#include <cstddef>
#include <string>

#include "fontfile/char_map.h"

namespace velura {

// Whether text holding the code point is drawn with a glyph of the face. A symbol face ((3,0) subtable) is
// reached as Windows reaches it: code points up to U+00FF through the face's U+F000 ... U+F0FF. A map
// that was not found answers true: nothing is known, so every cell is drawn as before.
bool FaceMaps(const TCharMap& map, char32_t codePoint);

// Assigned code points of [first, last] that the face maps.
std::size_t MappedAssignedCount(const TCharMap& map, char32_t first, char32_t last);

// Status panel: "収録 1,234 / 2,000 字" for the block's assigned characters; empty when the map is unknown.
std::u16string CoverageText(const TCharMap& map, char32_t first, char32_t last);

}  // namespace velura
