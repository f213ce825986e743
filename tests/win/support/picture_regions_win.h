// Looking at one part of a captured window: where a child's area lies in the picture, the pixels there,
// and pictures of known things (text in a given font) to compare them with.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "support/screenshot_win.h"

namespace velura::testing {

// A picture pixel (0x00RRGGBB) of a GDI colour.
constexpr std::uint32_t PixelOf(COLORREF colour) {
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// Where a rectangle of a window's client area lies in a CaptureWindow picture of `captured` (the window
// itself or one of its ancestors).
RECT AreaInCapture(HWND captured, HWND window, RECT clientArea);
// The part of a picture inside the rectangle (clipped to the picture).
Picture Crop(const Picture& picture, const RECT& area);

// Text drawn by TextOutW at (x, y) in the font, on a plain background of the given size.
Picture RenderText(int width, int height, COLORREF background, COLORREF ink, HFONT font, int x, int y,
                   std::wstring_view text);

// The descendant of `parent` whose window text is `text`; null when there is none.
HWND ChildWithText(HWND parent, std::wstring_view text);
// How many pixels of a text control's client area in a CaptureWindow picture of `captured` differ from its
// own text drawn in `font`, in the window text colour on the button face: 0 when it shows its text in
// that font.
int LabelDifference(const Picture& picture, HWND captured, HWND label, HFONT font);

// The number of pixels that differ; every pixel when the sizes differ.
int DifferingPixels(const Picture& a, const Picture& b);
int CountPixels(const Picture& picture, std::uint32_t pixel);

}  // namespace velura::testing
