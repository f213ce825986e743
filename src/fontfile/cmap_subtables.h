// Decoders of the "cmap" subtable formats, over the bytes of the whole table. Every read is checked against
// the table's end, and every loop is bounded by what the table can hold, so malformed subtables end quickly.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fontfile/char_map.h"

namespace velura {

// Big-endian reads from a table in memory; a read past the end yields zero.
class CmapBytes {
 public:
  CmapBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(data ? size : 0) {}
  std::size_t Size() const { return size_; }
  bool Has(std::uint64_t offset, std::uint64_t count) const { return offset <= size_ && count <= size_ - offset; }
  std::uint8_t U8(std::uint64_t offset) const { return Has(offset, 1) ? data_[offset] : 0; }
  std::uint16_t U16(std::uint64_t offset) const {
    return Has(offset, 2) ? static_cast<std::uint16_t>(data_[offset] << 8 | data_[offset + 1]) : 0;
  }
  std::uint32_t U24(std::uint64_t offset) const {
    return Has(offset, 3)
               ? std::uint32_t{data_[offset]} << 16 | std::uint32_t{data_[offset + 1]} << 8 | data_[offset + 2]
               : 0;
  }
  std::uint32_t U32(std::uint64_t offset) const {
    return Has(offset, 4) ? std::uint32_t{U16(offset)} << 16 | U16(offset + 2) : 0;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// Whether the decoders below read this format.
bool IsMappingFormatRead(std::uint16_t format);

// Appends the code points the subtable at offset maps to a glyph other than 0 (formats 0, 4, 6, 12, 13),
// in any order; SortAndMerge makes them a set. False when the format is not one of those or its header is
// past the table's end.
bool ReadMappedRanges(const CmapBytes& table, std::size_t offset, std::vector<CodePointRange>& ranges);

// Sorts ranges by first code point and merges the overlapping and adjacent ones.
void SortAndMerge(std::vector<CodePointRange>& ranges);

// The order of TCharMap::Sequences: by selector, then base (the order a format 14 subtable stores them in).
inline bool SequenceOrder(const VariationSequence& a, const VariationSequence& b) {
  return a.selector != b.selector ? a.selector < b.selector : a.base < b.base;
}

// The sequences a format 14 subtable at offset lists, as runs in SequenceOrder, disjoint per selector.
std::vector<VariationSequence> ReadVariationSequences(const CmapBytes& table, std::size_t offset);

}  // namespace velura
