#include "cli/font_version.h"

#include <vector>

namespace velura {

namespace {

bool ReadU32(ByteSource& source, std::uint64_t at, std::uint32_t& value) {
  std::uint8_t bytes[4];
  if (!source.ReadAt(at, bytes, 4)) return false;
  value = std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 | bytes[3];
  return true;
}

// The numbers of "Version 1.10; build 3" after its first digit: 1, 10, 3.
std::vector<std::uint64_t> VersionNumbers(const std::u16string& text) {
  std::vector<std::uint64_t> numbers;
  bool inNumber = false;
  for (char16_t c : text) {
    if (c >= u'0' && c <= u'9') {
      if (!inNumber) numbers.push_back(0);
      inNumber = true;
      std::uint64_t& n = numbers.back();
      if (n < 1'000'000'000'000ULL) n = n * 10 + static_cast<std::uint64_t>(c - u'0');
    } else {
      inNumber = false;
    }
  }
  return numbers;
}

}  // namespace

std::optional<std::uint32_t> ReadHeadRevision(ByteSource& source) {
  std::uint32_t tag = 0, faceOffset = 0;
  if (!ReadU32(source, 0, tag)) return std::nullopt;
  if (tag == 0x74746366) {  // "ttcf": the first face's offset follows the header
    if (!ReadU32(source, 12, faceOffset)) return std::nullopt;
  }
  std::uint8_t countBytes[2];
  if (!source.ReadAt(faceOffset + 4ULL, countBytes, 2)) return std::nullopt;
  const unsigned count = countBytes[0] << 8 | countBytes[1];
  for (unsigned i = 0; i < count; ++i) {
    const std::uint64_t entry = faceOffset + 12ULL + 16ULL * i;
    std::uint32_t entryTag = 0, offset = 0, length = 0;
    if (!ReadU32(source, entry, entryTag) || !ReadU32(source, entry + 8, offset) ||
        !ReadU32(source, entry + 12, length))
      return std::nullopt;
    if (entryTag != 0x68656164) continue;  // "head"
    std::uint32_t revision = 0;
    if (length < 8 || !ReadU32(source, offset + 4ULL, revision)) return std::nullopt;
    return revision;
  }
  return std::nullopt;
}

int CompareFontVersions(const FontVersion& a, const FontVersion& b) {
  if (a.Revision && b.Revision && *a.Revision != *b.Revision) return *a.Revision < *b.Revision ? -1 : 1;
  const auto left = VersionNumbers(a.Text), right = VersionNumbers(b.Text);
  for (std::size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
    const std::uint64_t l = i < left.size() ? left[i] : 0, r = i < right.size() ? right[i] : 0;
    if (l != r) return l < r ? -1 : 1;
  }
  return 0;
}

}  // namespace velura
