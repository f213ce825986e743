#include "support/picture_regions_win.h"

#include <algorithm>

namespace velura::testing {

RECT AreaInCapture(HWND captured, HWND window, RECT clientArea) {
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&clientArea), 2);
  RECT frame{};
  GetWindowRect(captured, &frame);
  OffsetRect(&clientArea, -frame.left, -frame.top);
  return clientArea;
}

Picture Crop(const Picture& picture, const RECT& area) {
  const int left = std::clamp<int>(area.left, 0, picture.width);
  const int right = std::clamp<int>(area.right, left, picture.width);
  const int top = std::clamp<int>(area.top, 0, picture.height);
  const int bottom = std::clamp<int>(area.bottom, top, picture.height);
  Picture part;
  part.width = right - left;
  part.height = bottom - top;
  part.pixels.reserve(static_cast<std::size_t>(part.width) * part.height);
  for (int y = top; y < bottom; ++y) {
    const auto row = picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width;
    part.pixels.insert(part.pixels.end(), row + left, row + right);
  }
  return part;
}

Picture RenderText(int width, int height, COLORREF background, COLORREF ink, HFONT font, int x, int y,
                   std::wstring_view text) {
  return DrawPicture(width, height, [&](HDC dc) {
    HBRUSH brush = CreateSolidBrush(background);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
    SelectObject(dc, oldFont);
  });
}

HWND ChildWithText(HWND parent, std::wstring_view text) {
  struct Search {
    std::wstring_view text;
    HWND found = nullptr;
  } search{text};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) {
        auto& search = *reinterpret_cast<Search*>(data);
        wchar_t buffer[256]{};
        GetWindowTextW(child, buffer, 256);
        if (search.text != buffer) return TRUE;
        search.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int LabelDifference(const Picture& picture, HWND captured, HWND label, HFONT font) {
  RECT client{};
  GetClientRect(label, &client);
  wchar_t text[256]{};
  GetWindowTextW(label, text, 256);
  const Picture shown = Crop(picture, AreaInCapture(captured, label, client));
  return DifferingPixels(shown, RenderText(client.right, client.bottom, GetSysColor(COLOR_BTNFACE),
                                           GetSysColor(COLOR_WINDOWTEXT), font, 0, 0, text));
}

int DifferingPixels(const Picture& a, const Picture& b) {
  if (a.width != b.width || a.height != b.height) return std::max(a.width * a.height, b.width * b.height);
  int differing = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) differing += a.pixels[i] != b.pixels[i];
  return differing;
}

int CountPixels(const Picture& picture, std::uint32_t pixel) {
  return static_cast<int>(std::count(picture.pixels.begin(), picture.pixels.end(), pixel));
}

}  // namespace velura::testing
