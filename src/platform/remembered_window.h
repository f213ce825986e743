// A top-level window as the settings store sees it when it stores and restores the window's place.
#pragma once

namespace velura {

enum class WindowState { Normal, Minimized, Maximized };

struct WindowBounds {
  int Top = 0;
  int Left = 0;
  int Width = 0;
  int Height = 0;
};

class RememberedWindow {
 public:
  virtual ~RememberedWindow() = default;
  virtual WindowState State() const = 0;
  virtual void SetState(WindowState state) = 0;
  virtual WindowBounds Bounds() const = 0;  // screen pixels
  virtual void SetTop(int top) = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  // After a restored place was applied: a place off every monitor's work area is moved onto the nearest.
  virtual void KeepOnScreen() {}
};

}  // namespace velura
