// A "cmap" table that maps exactly the code points a test chooses, so that coverage and the character
// filter can be driven with fonts that cover or miss chosen characters.
#pragma once
#include <vector>

#include "support/sfnt_writer.h"

namespace velura::testing {

// (3,1) format 4 with the BMP code points and (3,10) format 12 with all of them, each run of consecutive
// code points mapped to glyphs from 36 on (a real glyph of the Liberation fonts the Windows tests copy).
Bytes CmapMapping(std::vector<char32_t> codePoints);
// SfntBuilder::Standard with that "cmap" in place of its placeholder.
SfntBuilder MappedFace(const std::vector<NameSpec>& names, const std::vector<char32_t>& codePoints);

}  // namespace velura::testing
