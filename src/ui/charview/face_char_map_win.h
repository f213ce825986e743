// The characters of the face a font selects, read from the face's own "cmap" table through GDI, and the
// drawing of one code point in that face.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "fontfile/char_map.h"

namespace velura {

struct FaceCharacters {
  TCharMap map;                     // Found is false without a readable "cmap" (a bitmap or vector font)
  std::vector<std::uint8_t> cmap;   // the table's bytes, for glyphs beyond U+FFFF
};
FaceCharacters ReadFaceCharacters(HFONT font);

// Draws the code point centred in the area in the DC's font. Beyond U+FFFF it is drawn by the glyph the
// face's cmap gives it (text output here takes a surrogate pair as two unknown characters), and not at all
// when that cmap has none.
void DrawCodePointCentred(HDC dc, const RECT& area, char32_t codePoint, const std::vector<std::uint8_t>& cmap);

}  // namespace velura
