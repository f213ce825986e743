#include "ui/charview/face_char_map_win.h"

#include <vector>

#include "ui/framework/handles_win.h"

namespace velura {

TCharMap ReadFaceCharMap(HFONT font) {
  // GetFontData takes the table tag with its first letter in the lowest byte: "cmap" reads as 'pamc'.
  constexpr DWORD kCmapTag = 'p' << 24 | 'a' << 16 | 'm' << 8 | 'c';
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return {};
  TCharMap map;
  {
    ui::SelectInDc selected(dc, font);
    const DWORD size = GetFontData(dc, kCmapTag, 0, nullptr, 0);
    if (size != GDI_ERROR && size > 0) {
      std::vector<std::uint8_t> bytes(size);
      if (GetFontData(dc, kCmapTag, 0, bytes.data(), size) == size) map = ReadCharMap(bytes.data(), bytes.size());
    }
  }
  DeleteDC(dc);
  return map;
}

}  // namespace velura
