// TForm_Splash: the borderless window shown while the program starts and reads the installed fonts.
// Its progress bar is the bar the installed-font loading advances.
#pragma once
#include "records/progress.h"
#include "ui/framework/form_win.h"

namespace velura {

class TForm_Splash : public ui::Form, public BarProgress {
 public:
  TForm_Splash();
  ~TForm_Splash() override;

  void SetMaximum(int maximum) override;
  void SetPosition(int position) override;
  void ProcessMessages() override;

  HWND ProgressBar() const { return progressBar_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  HWND progressBar_ = nullptr;
};

}  // namespace velura
