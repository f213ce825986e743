#include "support/dpi_change_win.h"

#include "support/pump_win.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace velura::testing {

void ChangeDpi(HWND window, int dpi) {
  RECT frame{};
  GetWindowRect(window, &frame);
  RECT suggested{frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, dpi, 96),
                 frame.top + MulDiv(frame.bottom - frame.top, dpi, 96)};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  PumpUntilIdle();
}

}  // namespace velura::testing
