#include "fontfile/char_map.h"

#include <algorithm>

namespace velura {

bool TCharMap::Contains(char32_t codePoint) const {
  auto it = std::upper_bound(Ranges.begin(), Ranges.end(), codePoint,
                             [](char32_t cp, const CodePointRange& r) { return cp < r.first; });
  return it != Ranges.begin() && codePoint <= std::prev(it)->last;
}

std::size_t TCharMap::Count() const {
  std::size_t n = 0;
  for (const auto& r : Ranges) n += static_cast<std::size_t>(r.last - r.first) + 1;
  return n;
}

std::size_t TCharMap::CountOf(std::span<const char32_t> sortedCodePoints) const {
  std::size_t n = 0;
  for (char32_t cp : sortedCodePoints) n += Contains(cp) ? 1 : 0;
  return n;
}

std::size_t TCharMap::CountIn(char32_t first, char32_t last) const {
  std::size_t n = 0;
  for (const auto& r : Ranges) {
    char32_t lo = std::max(first, r.first), hi = std::min(last, r.last);
    if (lo <= hi) n += static_cast<std::size_t>(hi - lo) + 1;
  }
  return n;
}

TCharMap ReadCharMap(const std::uint8_t*, std::size_t) { return {}; }  // the reader comes next

}  // namespace velura

namespace velura {
std::vector<TCharMap> ReadFileCharMaps(ByteSource&) { return {}; }  // the reader comes next
}  // namespace velura
