// TForm_Splash: the borderless window shown while the program starts and reads the installed fonts.
// Its progress bar is the bar the installed-font loading advances.
#pragma once
#include "records/loop_context.h"
#include "ui/framework/form_win.h"

namespace velura {

class TForm_Splash : public ui::Form, public BarProgress {
 public:
  TForm_Splash();
  ~TForm_Splash() override;

  void SetMaximum(int maximum) override;
  void SetPosition(int position) override;
  // A quit met while pumping stops the loops of this context (the engine's, once it exists).
  void ProcessMessages() override;
  void StopLoopsOf(LoopContext& loop) { loop_ = &loop; }

  HWND ProgressBar() const { return progressBar_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  HWND progressBar_ = nullptr;
  LoopContext* loop_ = nullptr;
};

}  // namespace velura
