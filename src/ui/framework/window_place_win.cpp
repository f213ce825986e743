#include "ui/framework/window_place_win.h"

namespace velura {

WindowState WindowPlace::State() const {
  if (IsIconic(hwnd_)) return WindowState::Minimized;
  if (IsZoomed(hwnd_)) return WindowState::Maximized;
  return WindowState::Normal;
}

void WindowPlace::SetState(WindowState state) {
  ShowWindow(hwnd_, state == WindowState::Maximized ? SW_MAXIMIZE
                    : state == WindowState::Minimized ? SW_MINIMIZE
                                                       : SW_RESTORE);
}

RECT WindowPlace::Rect() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  return rect;
}

WindowBounds WindowPlace::Bounds() const {
  const RECT r = Rect();
  return {r.top, r.left, r.right - r.left, r.bottom - r.top};
}

void WindowPlace::SetTop(int top) {
  SetWindowPos(hwnd_, nullptr, Rect().left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPlace::SetLeft(int left) {
  SetWindowPos(hwnd_, nullptr, left, Rect().top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPlace::SetWidth(int width) {
  const RECT r = Rect();
  SetWindowPos(hwnd_, nullptr, 0, 0, width, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPlace::SetHeight(int height) {
  const RECT r = Rect();
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace velura
