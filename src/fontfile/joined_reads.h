// Which reads fetch a set of byte regions of a file with few calls: regions close together are read as one,
// within caps that keep a damaged file from making the reader read or keep without bound.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fontfile/byte_source.h"

namespace velura {

struct JoinLimits {
  std::uint64_t fileSize = 0;
  std::uint64_t maxGap = 4 * 1024;       // regions with a smaller gap between them are read together
  std::uint64_t maxRead = 128 * 1024;    // bytes of one read
  std::uint64_t maxBytes = 1024 * 1024;  // bytes of all the reads
  std::size_t maxReads = 64;
};

// The part of the region inside a file of fileSize bytes; empty when it starts at or past the end.
ByteRegion ClippedTo(const ByteRegion& region, std::uint64_t fileSize);

// The reads covering the regions, clipped to the file, in file order and disjoint. A region longer than one
// read is covered from its start; regions past the byte or read budget are left out.
std::vector<ByteRegion> JoinedReads(std::span<const ByteRegion> regions, const JoinLimits& limits);

}  // namespace velura
