// A window moved to a screen of another scaling, as Windows announces it to a per-monitor aware window (the
// screen of the test prefix stays at 96 DPI, so the window's own DPI is what every size must follow).
#pragma once
#include <windows.h>

namespace velura::testing {

// Sends WM_DPICHANGED with the frame scaled from 96 DPI, then pumps until idle.
void ChangeDpi(HWND window, int dpi);

}  // namespace velura::testing
