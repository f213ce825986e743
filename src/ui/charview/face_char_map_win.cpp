#include "ui/charview/face_char_map_win.h"

#include "platform/wide_win.h"
#include "ui/charview/cmap_glyph.h"
#include "ui/charview/unicode_blocks.h"
#include "ui/framework/handles_win.h"

namespace velura {

FaceCharacters ReadFaceCharacters(HFONT font) {
  // GetFontData takes the table tag with its first letter in the lowest byte: "cmap" reads as 'pamc'.
  constexpr DWORD kCmapTag = 'p' << 24 | 'a' << 16 | 'm' << 8 | 'c';
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return {};
  FaceCharacters face;
  {
    ui::SelectInDc selected(dc, font);
    const DWORD size = GetFontData(dc, kCmapTag, 0, nullptr, 0);
    if (size != GDI_ERROR && size > 0) {
      face.cmap.resize(size);
      if (GetFontData(dc, kCmapTag, 0, face.cmap.data(), size) == size)
        face.map = ReadCharMap(face.cmap.data(), face.cmap.size());
      else
        face.cmap.clear();
    }
  }
  DeleteDC(dc);
  return face;
}

void DrawCodePointCentred(HDC dc, const RECT& area, char32_t codePoint, const std::vector<std::uint8_t>& cmap) {
  const std::uint32_t glyph =
      codePoint > 0xFFFF ? SupplementaryGlyph(cmap.data(), cmap.size(), codePoint) : 0;
  if (codePoint > 0xFFFF && !cmap.empty() && glyph == 0) return;  // the face lacks it: nothing of another face
  if (glyph == 0 || glyph > 0xFFFF) {
    RECT box = area;
    const std::u16string text = Utf16Of(codePoint);
    DrawTextW(dc, AsWide(text), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    return;
  }
  WORD index = static_cast<WORD>(glyph);
  SIZE size{};
  GetTextExtentPointI(dc, &index, 1, &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int x = area.left + (area.right - area.left - size.cx) / 2;
  const int y = area.top + (area.bottom - area.top - metrics.tmHeight) / 2;
  ExtTextOutW(dc, x, y, ETO_GLYPH_INDEX, nullptr, reinterpret_cast<LPCWSTR>(&index), 1, nullptr);
}

}  // namespace velura
