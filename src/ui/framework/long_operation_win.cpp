#include "ui/framework/long_operation_win.h"

#include <algorithm>

#include "ui/framework/action_list.h"
#include "ui/framework/message_loop_win.h"

namespace velura::ui {
namespace {

struct Collect {
  HWND keep;
  std::vector<HWND>* windows;
};

BOOL CALLBACK CollectEnabled(HWND hwnd, LPARAM param) {
  auto* collect = reinterpret_cast<Collect*>(param);
  if (hwnd != collect->keep && IsWindowEnabled(hwnd)) collect->windows->push_back(hwnd);
  return TRUE;
}

}  // namespace

LongOperation::LongOperation(HWND keepEnabled) {
  Collect collect{keepEnabled, &disabled_};
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&collect));
  for (HWND hwnd : disabled_) EnableWindow(hwnd, FALSE);
  ++LongOperationDepth;
}

LongOperation::~LongOperation() {
  --LongOperationDepth;
  for (HWND hwnd : disabled_)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
}

bool PumpPendingMessages(const std::function<bool(const MSG&)>& take) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Posted again at once: the quit flag is only seen once the queue is otherwise empty, so the next
      // pump (next file) sees it again and the main loop ends after the operation.
      PostQuitMessage(static_cast<int>(message.wParam));
      return true;
    }
    if (take && !take(message)) continue;
    if (!PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return false;
}

void PumpPaintMessages() {
  // Bounded: a window that never validates its region would otherwise keep the loop going.
  MSG message;
  for (int i = 0; i < 256 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT); ++i) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchMessageW(&message);
  }
}

}  // namespace velura::ui
