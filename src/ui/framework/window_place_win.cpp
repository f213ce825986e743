#include "ui/framework/window_place_win.h"

#include <vector>

#include "ui/framework/screen_fit.h"

namespace velura {

namespace {

ui::ScreenRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info))
    reinterpret_cast<std::vector<ui::ScreenRect>*>(areas)->push_back(FromRect(info.rcWork));
  return TRUE;
}

void MoveTo(HWND hwnd, const ui::ScreenRect& place) {
  SetWindowPos(hwnd, nullptr, place.left, place.top, place.Width(), place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

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

void WindowPlace::KeepOnScreen() {
  std::vector<ui::ScreenRect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  const ui::ScreenRect now = FromRect(Rect());
  const ui::ScreenRect fitted = ui::BringOntoWorkAreas(now, areas);
  if (!(fitted == now)) MoveTo(hwnd_, fitted);
}

void ui::MoveInsideWorkArea(HWND hwnd, int left, int top) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  const RECT wanted{left, top, left + (r.right - r.left), top + (r.bottom - r.top)};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &info)) {
    SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  MoveTo(hwnd, ui::KeepInside(FromRect(wanted), FromRect(info.rcWork)));
}

void WindowPlace::SetHeight(int height) {
  const RECT r = Rect();
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace velura
