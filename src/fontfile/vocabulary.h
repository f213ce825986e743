// Names shown for encoding IDs, character map formats, code-page bits and LOGFONT fields.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace velura {

// Name of a Microsoft-platform encoding ID, e.g. "ID:3 (PRC)".
std::u16string EncodingName(std::uint16_t encodingId);

// Description of a character map subtable format, e.g. "Format 4: Segment mapping to delta values".
std::u16string CmapFormatName(std::uint16_t format);

// One text per set bit of the OS/2 code-page range words, bit 0 of range1 first.
std::vector<std::u16string> CodePageNames(std::uint32_t range1, std::uint32_t range2);

// LOGFONT lfCharSet as text, e.g. "SHIFT JIS"; unknown values as "UnKnown(n)".
std::u16string CharsetName(std::uint16_t charset);

// LOGFONT lfPitchAndFamily as text; the family bits are ignored.
std::u16string PitchName(std::uint16_t pitchAndFamily);

}  // namespace velura
