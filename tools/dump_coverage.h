// The character-map part of a face's dump: which subtable was read, the coverage of the character sets
// and, on request, the mapped code points as ranges.
#pragma once
#include "fontfile/char_map.h"
#include "json_writer.h"

namespace velura {

// Writes the keys "charmap" and "coverage" (and "codepoints" when withCodePoints) into the open object.
void WriteCharMapKeys(JsonWriter& json, const TCharMap& map, bool withCodePoints);

}  // namespace velura
