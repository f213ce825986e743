#include "ui/charview/cmap_glyph.h"

namespace velura {

namespace {

std::uint32_t Read(const std::uint8_t* at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | at[i];
  return value;
}

std::uint32_t GlyphInSubtable(const std::uint8_t* cmap, std::size_t size, std::size_t offset, char32_t codePoint) {
  if (offset > size || size - offset < 16) return 0;
  const std::uint8_t* table = cmap + offset;
  const std::uint32_t format = Read(table, 2);
  if (format != 12 && format != 13) return 0;
  const std::uint64_t groups = Read(table + 12, 4);
  if (groups > (size - offset - 16) / 12) return 0;
  std::uint64_t low = 0, high = groups;  // the groups are sorted by start code
  while (low < high) {
    const std::uint64_t middle = (low + high) / 2;
    const std::uint8_t* group = table + 16 + 12 * middle;
    const std::uint32_t first = Read(group, 4), last = Read(group + 4, 4), glyph = Read(group + 8, 4);
    if (codePoint < first) high = middle;
    else if (codePoint > last) low = middle + 1;
    else return format == 12 ? glyph + (codePoint - first) : glyph;
  }
  return 0;
}

}  // namespace

std::uint32_t SupplementaryGlyph(const std::uint8_t* cmap, std::size_t size, char32_t codePoint) {
  if (!cmap || size < 4) return 0;
  const std::size_t records = Read(cmap + 2, 2);
  for (std::size_t i = 0; i < records && 4 + 8 * i + 8 <= size; ++i) {
    const std::uint8_t* record = cmap + 4 + 8 * i;
    const std::uint32_t platform = Read(record, 2), encoding = Read(record + 2, 2);
    if (!((platform == 3 && encoding == 10) || (platform == 0 && (encoding == 4 || encoding == 6)))) continue;
    if (const std::uint32_t glyph = GlyphInSubtable(cmap, size, Read(record + 4, 4), codePoint)) return glyph;
  }
  return 0;
}

}  // namespace velura
