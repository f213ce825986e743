#include "ui/framework/subclass_win.h"

#include <commctrl.h>

#include "ui/framework/error_report_win.h"

namespace velura::ui {
namespace {

LRESULT CALLBACK GuardedSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data) {
  auto* handler = reinterpret_cast<SubclassHandler*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, GuardedSubclassProc, id);
    delete handler;
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  try {
    LRESULT result = 0;
    if ((*handler)(message, wParam, lParam, result)) return result;
  } catch (...) {
    ReportCurrentException();
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void Subclass(HWND control, SubclassHandler handler) {
  // Each handler gets its own id: the address of its heap copy, unique while it lives.
  auto* owned = new SubclassHandler(std::move(handler));
  if (!SetWindowSubclass(control, GuardedSubclassProc, reinterpret_cast<UINT_PTR>(owned),
                         reinterpret_cast<DWORD_PTR>(owned)))
    delete owned;
}

}  // namespace velura::ui
