// The character map of a face: which code points its "cmap" table maps to a glyph other than 0, read from the
// subtable Windows chooses, as sorted, disjoint, merged ranges.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velura {

struct CodePointRange {
  char32_t first = 0;
  char32_t last = 0;  // inclusive
  bool operator==(const CodePointRange&) const = default;
};

// Variation sequences a format 14 subtable lists: each base from base to lastBase followed by the selector.
// Kept as runs, as the subtable stores its default sequences, so a damaged count cannot blow them up.
struct VariationSequence {
  char32_t base = 0;
  char32_t lastBase = 0;  // inclusive; equal to base for a single sequence
  char32_t selector = 0;
  bool isDefault = false;  // drawn with the base's own glyph (default UVS) rather than a glyph of its own
  bool operator==(const VariationSequence&) const = default;
};

struct TCharMap {
  std::vector<CodePointRange> Ranges;  // sorted by first, disjoint, adjacent ranges merged
  bool Found = false;                  // a subtable Windows would use was read
  bool Symbol = false;                 // the chosen subtable is (3,0): code points as the font stores them
  std::uint16_t PlatformId = 0;
  std::uint16_t EncodingId = 0;
  std::uint16_t Format = 0;
  std::uint32_t VariationSequences = 0;      // format 14 (0,5): default and non-default mappings counted apart
  std::vector<VariationSequence> Sequences;  // sorted by (selector, base); runs of a selector are disjoint

  bool Contains(char32_t codePoint) const;
  std::size_t Count() const;  // mapped code points
  // How many of the sorted, duplicate-free code points are mapped.
  std::size_t CountOf(std::span<const char32_t> sortedCodePoints) const;
  // How many code points of [first, last] are mapped.
  std::size_t CountIn(char32_t first, char32_t last) const;
  // The face lists the sequence base + selector (default or not).
  bool HasSequence(char32_t base, char32_t selector) const;
};

// Reads a "cmap" table's bytes, from its first byte. Never reads past size; malformed subtables give what
// could be read safely (or nothing), never a crash or a hang.
TCharMap ReadCharMap(const std::uint8_t* table, std::size_t size);

class ByteSource;

// The character map of every face of a .ttf, .otf or .ttc file, in face order; empty when the file is not
// a font the reader knows. A face without a usable "cmap" gives a map with Found false.
std::vector<TCharMap> ReadFileCharMaps(ByteSource& source);

}  // namespace velura
