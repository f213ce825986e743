// Pictures and layout dumps of real windows for the UI tests: capture through the window DC (PrintWindow
// returns a blank picture under Wine), save as PNG under build/screenshots/, dump child rectangles.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velura::testing {

// Dispatches every pending message, then once more after a short wait for late paints.
void PumpUntilIdle();

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top-down
  int DistinctColours() const;
};

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
