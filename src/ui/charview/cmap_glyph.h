// The glyph a face's "cmap" gives a code point beyond U+FFFF, for drawing it by glyph index where the text
// functions at hand take a surrogate pair as two unknown characters.
#pragma once
#include <cstddef>
#include <cstdint>

namespace velura {

// The glyph of the (3,10) or (0,4)/(0,6) subtable in format 12 or 13; 0 when there is none or the table
// is malformed (never reads past size).
std::uint32_t SupplementaryGlyph(const std::uint8_t* cmap, std::size_t size, char32_t codePoint);

}  // namespace velura
