// The plain box shown while a browser draws its tree and samples (ShowWaitBox / CloseWaitBox): 210 x 100,
// "描画処理中です" and "しばらくおまちください・・・". Painted at once, since the work that follows keeps the
// message loop from running.
#pragma once
#include <windows.h>

#include "ui/framework/handles_win.h"

namespace velura {

class WaitBox {
 public:
  enum class Place { OverScreen, OverOwner };
  // Over the owner only while the owner is visible; otherwise over the screen.
  WaitBox(HWND owner, Place place);
  ~WaitBox();
  WaitBox(const WaitBox&) = delete;
  WaitBox& operator=(const WaitBox&) = delete;

  HWND Hwnd() const { return window_; }
  // Between the phases of the drawing: paints what is waiting (the box among them), nothing else.
  void KeepPainted() { PaintNow(); }
  static void PaintNow();

 private:
  HWND window_ = nullptr;
  ui::UniqueFont font_;
  void (*previousPainter_)() = nullptr;
};

}  // namespace velura
