// A real top-level window as the settings store sees it when it stores and restores the window's place.
#pragma once
#include <windows.h>

#include "platform/remembered_window.h"

namespace velura {

class WindowPlace final : public RememberedWindow {
 public:
  explicit WindowPlace(HWND hwnd) : hwnd_(hwnd) {}
  WindowState State() const override;
  void SetState(WindowState state) override;
  WindowBounds Bounds() const override;
  void SetTop(int top) override;
  void SetLeft(int left) override;
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  void KeepOnScreen() override;

 private:
  RECT Rect() const;
  HWND hwnd_;
};

namespace ui {

// Moves a window to (left, top), kept inside the work area of the monitor nearest to that place: for
// windows placed beside another (below the launcher) that would reach past the screen's edge.
void MoveInsideWorkArea(HWND hwnd, int left, int top);

}  // namespace ui

}  // namespace velura
