#include "fontfile/joined_reads.h"

#include <algorithm>

namespace velura {

ByteRegion ClippedTo(const ByteRegion& region, std::uint64_t fileSize) {
  if (region.offset >= fileSize) return {fileSize, 0};
  return {region.offset, std::min(region.length, fileSize - region.offset)};
}

std::vector<ByteRegion> JoinedReads(std::span<const ByteRegion> regions, const JoinLimits& limits) {
  std::vector<ByteRegion> wanted;
  wanted.reserve(regions.size());
  for (const ByteRegion& region : regions) {
    const ByteRegion clipped = ClippedTo(region, limits.fileSize);
    if (clipped.length != 0) wanted.push_back(clipped);
  }
  std::sort(wanted.begin(), wanted.end(), [](const ByteRegion& a, const ByteRegion& b) { return a.offset < b.offset; });

  std::vector<ByteRegion> reads;
  std::uint64_t bytes = 0;
  for (const ByteRegion& region : wanted) {
    std::uint64_t start = region.offset;
    const std::uint64_t end = region.offset + region.length;  // clipped: cannot overflow
    if (!reads.empty()) {
      ByteRegion& last = reads.back();
      const std::uint64_t lastEnd = last.offset + last.length;
      if (end <= lastEnd) continue;
      start = std::max(start, lastEnd);
      // Reading the gap as well costs less than another call while the gap is small.
      const std::uint64_t added = end - lastEnd;
      if (start - lastEnd < limits.maxGap && end - last.offset <= limits.maxRead && added <= limits.maxBytes - bytes) {
        last.length += added;
        bytes += added;
        continue;
      }
    }
    if (reads.size() >= limits.maxReads || bytes >= limits.maxBytes) break;
    const std::uint64_t length = std::min({end - start, limits.maxRead, limits.maxBytes - bytes});
    if (length == 0) break;
    reads.push_back({start, length});
    bytes += length;
  }
  return reads;
}

}  // namespace velura
