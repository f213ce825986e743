#include "ui/charview/face_glyphs.h"

#include <algorithm>

#include "platform/text.h"
#include "ui/charview/unicode_names.h"

namespace velura {

namespace {

constexpr char32_t kSymbolBase = 0xF000;

bool ReachedThroughSymbolRange(const TCharMap& map, char32_t codePoint) {
  return map.Symbol && codePoint <= 0xFF && map.Contains(kSymbolBase + codePoint);
}

std::u16string Grouped(std::size_t value) {
  std::u16string digits = DecimalU16(static_cast<std::int64_t>(value));
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), u",");
  return digits;
}

}  // namespace

bool FaceMaps(const TCharMap& map, char32_t codePoint) {
  if (!map.Found) return true;
  return map.Contains(codePoint) || ReachedThroughSymbolRange(map, codePoint);
}

std::size_t MappedAssignedCount(const TCharMap& map, char32_t first, char32_t last) {
  std::size_t count = 0;
  ForEachAssignedRun(first, last, [&](char32_t a, char32_t b) {
    count += map.CountIn(a, b);
    if (!map.Symbol || a > 0xFF) return;
    for (char32_t c = a; c <= std::min<char32_t>(b, 0xFF); ++c)
      if (!map.Contains(c) && ReachedThroughSymbolRange(map, c)) ++count;
  });
  return count;
}

std::u16string CoverageText(const TCharMap& map, char32_t first, char32_t last) {
  if (!map.Found) return {};
  return u"収録 " + Grouped(MappedAssignedCount(map, first, last)) + u" / " + Grouped(AssignedCountIn(first, last)) +
         u" 字";
}

}  // namespace velura
