#include "archive/cp932.h"

#include "archive/cp932_table.h"

namespace velura {

namespace {

int TrailIndex(unsigned char trail) {
  if (trail >= 0x40 && trail <= 0x7E) return trail - 0x40;
  if (trail >= 0x80 && trail <= 0xFC) return trail - 0x41;
  return -1;
}

}  // namespace

DecodedText DecodeCp932(std::string_view bytes) {
  DecodedText out;
  out.text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const char16_t single = cp932::kSingleByte[b];
    if (single != cp932::kNotSingle) {
      out.text.push_back(single);
      continue;
    }
    char16_t unit = 0;
    if (IsCp932LeadByte(b) && i + 1 < bytes.size()) {
      const int trail = TrailIndex(static_cast<unsigned char>(bytes[i + 1]));
      const std::uint8_t row = cp932::kRowOfLead[b];
      if (trail >= 0) {
        ++i;  // a valid trail byte belongs to this character even when the pair maps to nothing
        if (row != cp932::kNoRow) unit = cp932::kRows[row][trail];
      }
    }
    if (unit == 0) {
      out.hadInvalidBytes = true;
      unit = u'\uFFFD';
    }
    out.text.push_back(unit);
  }
  return out;
}

}  // namespace velura
