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

 private:
  RECT Rect() const;
  HWND hwnd_;
};

}  // namespace velura
