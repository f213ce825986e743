#include "records/text_export.h"

namespace velura {

std::vector<std::uint8_t> Utf16LeLines(const std::vector<std::u16string>& lines) {
  std::vector<std::uint8_t> bytes{0xFF, 0xFE};
  auto put = [&bytes](char16_t unit) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  };
  for (const auto& line : lines) {
    for (char16_t unit : line) put(unit);
    put(u'\r');
    put(u'\n');
  }
  return bytes;
}

std::vector<std::u16string> TreeExportLines(const std::vector<std::pair<int, std::u16string>>& nodes) {
  std::vector<std::u16string> lines;
  lines.reserve(nodes.size());
  for (const auto& [level, text] : nodes) lines.push_back(std::u16string(static_cast<std::size_t>(level), u'\t') + text);
  return lines;
}

}  // namespace velura
