// Pictures and layout dumps of real windows for the UI tests: capture through the window DC (PrintWindow
// returns a blank picture under Wine), save as PNG under build/screenshots/, dump child rectangles.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/pump_win.h"

namespace velura::testing {

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top-down
};

// What `draw` paints into a 32-bit memory DC of that size (black before it paints).
Picture DrawPicture(int width, int height, const std::function<void(HDC)>& draw);

// The whole window, frame included, as painted now (children repainted first).
Picture CaptureWindow(HWND hwnd);

// RGB PNG (8 bits per channel) written with zlib.
bool SavePng(const Picture& picture, const std::wstring& path);

// VELURA_SCREENSHOT_DIR when set, else the build folder's "screenshots" beside the build tree
// (<exe folder>\..\..\screenshots); the folder is created.
std::wstring ScreenshotPath(const std::wstring& fileName);

// One line per direct child: class, text, and the rectangle relative to the parent's client area.
std::string DumpChildRects(HWND parent);
// The rectangle of a child relative to its parent's client area.
RECT ChildRect(HWND child);

}  // namespace velura::testing
