#include "fontfile/cmap_subtables.h"

#include <algorithm>

namespace velura {

namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

// Appends [first, last], extending the previous range when it continues it (runs come in order within a
// subtable, so this keeps the list short before the final sort).
void AddRun(std::vector<CodePointRange>& ranges, char32_t first, char32_t last) {
  if (!ranges.empty() && ranges.back().last + 1 == first) {
    ranges.back().last = last;
    return;
  }
  ranges.push_back({first, last});
}

// How many records of recordSize bytes, claimed by count, the table holds after start.
std::uint64_t RecordsThatFit(const CmapBytes& table, std::uint64_t start, std::uint64_t count,
                             std::uint64_t recordSize) {
  if (!table.Has(start, 0)) return 0;
  return std::min(count, (table.Size() - start) / recordSize);
}

void ReadFormat0(const CmapBytes& table, std::size_t offset, std::vector<CodePointRange>& ranges) {
  for (char32_t code = 0; code < 256; ++code)
    if (table.U8(offset + 6 + code) != 0) AddRun(ranges, code, code);
}

void ReadFormat6(const CmapBytes& table, std::size_t offset, std::vector<CodePointRange>& ranges) {
  const std::uint32_t firstCode = table.U16(offset + 6);
  const std::uint64_t count = RecordsThatFit(table, offset + 10, table.U16(offset + 8), 2);
  for (std::uint32_t i = 0; i < count && firstCode + i <= 0xFFFF; ++i)
    if (table.U16(offset + 10 + 2 * i) != 0) AddRun(ranges, firstCode + i, firstCode + i);
}

struct Segment {
  std::uint32_t start;
  std::uint32_t end;
  std::uint16_t delta;
  std::uint16_t rangeOffset;
  std::uint64_t rangeOffsetAt;  // where idRangeOffset[i] stands: the origin of its glyph-array offset
};

// One segment's codes from lo (at or after its start) to its end. With idRangeOffset 0 the glyph is
// code + idDelta, which is 0 at exactly one code; otherwise the glyph array gives the glyph, 0 staying 0.
void ReadSegment(const CmapBytes& table, const Segment& s, std::uint32_t lo, std::vector<CodePointRange>& ranges) {
  if (s.rangeOffset == 0) {
    const std::uint32_t unmapped = (0x10000u - s.delta) & 0xFFFF;
    if (unmapped < lo || unmapped > s.end) {
      AddRun(ranges, lo, s.end);
    } else {
      if (unmapped > lo) AddRun(ranges, lo, unmapped - 1);
      if (unmapped < s.end) AddRun(ranges, unmapped + 1, s.end);
    }
    return;
  }
  const std::uint64_t base = s.rangeOffsetAt + s.rangeOffset;
  for (std::uint32_t code = lo; code <= s.end; ++code) {
    const std::uint64_t at = base + 2 * std::uint64_t{code - s.start};
    if (!table.Has(at, 2)) break;  // the rest of the segment points past the table too
    const std::uint16_t glyph = table.U16(at);
    if (glyph != 0 && ((glyph + s.delta) & 0xFFFF) != 0) AddRun(ranges, code, code);
  }
}

void ReadFormat4(const CmapBytes& table, std::size_t offset, std::vector<CodePointRange>& ranges) {
  const std::uint64_t segCountX2 = table.U16(offset + 6);
  const std::uint64_t endAt = offset + 14, startAt = endAt + segCountX2 + 2;
  const std::uint64_t deltaAt = startAt + segCountX2, rangeOffsetAt = deltaAt + segCountX2;
  // idRangeOffset is the last of the four arrays: a segment whose entry there fits has all four.
  const std::uint64_t count = RecordsThatFit(table, rangeOffsetAt, segCountX2 / 2, 2);
  std::vector<Segment> segments;
  segments.reserve(count);
  for (std::uint64_t i = 0; i < count; ++i) {
    Segment s{table.U16(startAt + 2 * i), table.U16(endAt + 2 * i), table.U16(deltaAt + 2 * i),
              table.U16(rangeOffsetAt + 2 * i), rangeOffsetAt + 2 * i};
    s.end = std::min<std::uint32_t>(s.end, 0xFFFE);  // U+FFFF closes the table; it is never a character
    if (s.start <= s.end) segments.push_back(s);
  }
  // Segments should be sorted and disjoint. When they are not, the first (by start) decides a code, so each
  // code is looked at once however the segments overlap.
  auto byStart = [](const Segment& a, const Segment& b) { return a.start < b.start; };
  if (!std::is_sorted(segments.begin(), segments.end(), byStart))
    std::stable_sort(segments.begin(), segments.end(), byStart);
  std::uint32_t next = 0;
  for (const Segment& s : segments) {
    const std::uint32_t lo = std::max(s.start, next);
    if (lo > s.end) continue;
    ReadSegment(table, s, lo, ranges);
    next = s.end + 1;
  }
}

// Formats 12 and 13: groups of consecutive code points; in format 12 the glyph rises with the code point
// (glyph 0 can only fall on a group's first code), in format 13 the whole group shares one glyph.
void ReadGroups(const CmapBytes& table, std::size_t offset, bool sameGlyph, std::vector<CodePointRange>& ranges) {
  const std::uint64_t count = RecordsThatFit(table, offset + 16, table.U32(offset + 12), 12);
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint64_t at = offset + 16 + 12 * i;
    char32_t first = table.U32(at);
    const char32_t last = std::min<char32_t>(table.U32(at + 4), kLastCodePoint);
    const std::uint32_t glyph = table.U32(at + 8);
    if (first > last) continue;
    if (glyph == 0) {
      if (sameGlyph || first == last) continue;
      ++first;
    }
    AddRun(ranges, first, last);
  }
}

void AddDefaultSequences(const CmapBytes& table, std::uint64_t at, char32_t selector,
                         std::vector<VariationSequence>& sequences) {
  const std::uint64_t count = RecordsThatFit(table, at + 4, table.U32(at), 4);
  for (std::uint64_t i = 0; i < count; ++i) {
    const char32_t first = table.U24(at + 4 + 4 * i);
    const char32_t last = std::min<char32_t>(first + table.U8(at + 7 + 4 * i), kLastCodePoint);
    if (first <= last) sequences.push_back({first, last, selector, true});
  }
}

void AddNonDefaultSequences(const CmapBytes& table, std::uint64_t at, char32_t selector,
                            std::vector<VariationSequence>& sequences) {
  const std::uint64_t count = RecordsThatFit(table, at + 4, table.U32(at), 5);
  for (std::uint64_t i = 0; i < count; ++i) {
    const char32_t base = table.U24(at + 4 + 5 * i);
    if (base <= kLastCodePoint && table.U16(at + 7 + 5 * i) != 0) sequences.push_back({base, base, selector, false});
  }
}

// Sorted runs made disjoint per selector: a base listed twice stays with the run that starts first (the
// one read first on a tie); neighbouring runs of the same kind join.
void MakeDisjoint(std::vector<VariationSequence>& runs) {
  if (!std::is_sorted(runs.begin(), runs.end(), SequenceOrder))
    std::stable_sort(runs.begin(), runs.end(), SequenceOrder);
  std::size_t kept = 0;
  for (VariationSequence run : runs) {
    if (kept > 0) {
      VariationSequence& previous = runs[kept - 1];
      if (previous.selector == run.selector && run.base <= previous.lastBase) {
        if (run.lastBase <= previous.lastBase) continue;
        run.base = previous.lastBase + 1;
      }
      if (previous.selector == run.selector && previous.isDefault == run.isDefault &&
          previous.lastBase + 1 == run.base) {
        previous.lastBase = run.lastBase;
        continue;
      }
    }
    runs[kept++] = run;
  }
  runs.resize(kept);
}

}  // namespace

bool IsMappingFormatRead(std::uint16_t format) {
  return format == 0 || format == 4 || format == 6 || format == 12 || format == 13;
}

bool ReadMappedRanges(const CmapBytes& table, std::size_t offset, std::vector<CodePointRange>& ranges) {
  if (!table.Has(offset, 2)) return false;
  switch (table.U16(offset)) {
    case 0: ReadFormat0(table, offset, ranges); return true;
    case 4: ReadFormat4(table, offset, ranges); return true;
    case 6: ReadFormat6(table, offset, ranges); return true;
    case 12: ReadGroups(table, offset, false, ranges); return true;
    case 13: ReadGroups(table, offset, true, ranges); return true;
    default: return false;
  }
}

void SortAndMerge(std::vector<CodePointRange>& ranges) {
  auto byFirst = [](const CodePointRange& a, const CodePointRange& b) { return a.first < b.first; };
  if (!std::is_sorted(ranges.begin(), ranges.end(), byFirst)) std::sort(ranges.begin(), ranges.end(), byFirst);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    if (kept > 0 && ranges[i].first <= ranges[kept - 1].last + 1) {
      ranges[kept - 1].last = std::max(ranges[kept - 1].last, ranges[i].last);
    } else {
      ranges[kept++] = ranges[i];
    }
  }
  ranges.resize(kept);
}

std::vector<VariationSequence> ReadVariationSequences(const CmapBytes& table, std::size_t offset) {
  std::vector<VariationSequence> runs;
  if (table.U16(offset) != 14) return runs;
  const std::uint64_t count = RecordsThatFit(table, offset + 10, table.U32(offset + 6), 11);
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint64_t at = offset + 10 + 11 * i;
    const char32_t selector = table.U24(at);
    const std::size_t recordStart = runs.size();
    if (const std::uint32_t defaults = table.U32(at + 3); defaults != 0)
      AddDefaultSequences(table, offset + std::uint64_t{defaults}, selector, runs);
    const std::size_t middle = runs.size();
    if (const std::uint32_t others = table.U32(at + 7); others != 0)
      AddNonDefaultSequences(table, offset + std::uint64_t{others}, selector, runs);
    // Both lists are sorted by base in a well-formed table: merged, the whole stays in order.
    std::inplace_merge(runs.begin() + static_cast<std::ptrdiff_t>(recordStart),
                       runs.begin() + static_cast<std::ptrdiff_t>(middle), runs.end(), SequenceOrder);
  }
  MakeDisjoint(runs);
  runs.shrink_to_fit();
  return runs;
}

}  // namespace velura
