#include "support/common_dialog_visit_win.h"

#include <shlobj.h>

#include <string>

namespace velura::testing {

namespace {

std::function<void(HWND)> pendingAction;
UINT_PTR timer = 0;
bool came = false;

HWND VisibleCommonDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM out) -> BOOL {
        wchar_t name[16]{};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  const HWND dialog = VisibleCommonDialog();
  if (!dialog || !pendingAction) return;
  KillTimer(nullptr, timer);
  timer = 0;
  came = true;
  const auto action = std::move(pendingAction);
  pendingAction = nullptr;
  action(dialog);
}

}  // namespace

CommonDialogVisit::CommonDialogVisit(std::function<void(HWND)> action) {
  pendingAction = std::move(action);
  came = false;
  timer = SetTimer(nullptr, 0, 100, OnTimer);
}

CommonDialogVisit::~CommonDialogVisit() {
  if (timer) KillTimer(nullptr, timer);
  timer = 0;
  pendingAction = nullptr;
}

bool CommonDialogVisit::Came() const { return came; }

void ChooseFolderAndConfirm(HWND picker, const std::wstring& folder) {
  static HWND target;
  static std::wstring chosen;
  static int ticks;
  target = picker;
  chosen = folder;
  ticks = 0;
  // Selected again on later ticks until the picker has filled its tree far enough to take it, then confirmed.
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR self, DWORD) {
    if (!IsWindow(target)) {
      KillTimer(nullptr, self);
      return;
    }
    if (++ticks <= 3) {
      SendMessageW(target, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
      return;
    }
    KillTimer(nullptr, self);
    PostMessageW(target, WM_COMMAND, IDOK, 0);
  });
}

}  // namespace velura::testing
