// The plain box shown while a browser draws its tree and samples (ShowWaitBox / CloseWaitBox): 210 x 100,
// "描画処理中です" and "しばらくおまちください・・・". Painted at once, since the work that follows keeps the
// message loop from running.
#pragma once
#include <windows.h>

#include "records/loop_context.h"
#include "ui/framework/handles_win.h"

namespace velura {

class WaitBox {
 public:
  enum class Place { OverScreen, OverOwner };
  // Over the owner only while the owner is visible; otherwise over the screen. While the box stands, the
  // fills of loop paint it now and then.
  WaitBox(HWND owner, Place place, LoopContext& loop);
  ~WaitBox();
  WaitBox(const WaitBox&) = delete;
  WaitBox& operator=(const WaitBox&) = delete;

  HWND Hwnd() const { return window_; }
  // Between the phases of the drawing: paints what is waiting (the box among them), nothing else.
  void KeepPainted() { PaintNow(loop_); }
  static void PaintNow(const LoopContext& loop);

 private:
  HWND window_ = nullptr;
  ui::UniqueFont font_;
  LoopContext& loop_;
  std::function<void()> previousPainter_;
};

}  // namespace velura
