#include "support/pump_win.h"

#include <windows.h>

namespace velura::testing {
namespace {

void PumpOnce() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {  // not ours to take: leave it for whoever posted it
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

void PumpUntilIdle() {
  PumpOnce();
  Sleep(30);
  PumpOnce();
}

}  // namespace velura::testing
