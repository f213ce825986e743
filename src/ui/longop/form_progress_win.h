// TForm_Progress: the plain bar shown while the preview registrations of a list are released. No stop
// button and no close box; every other window of the program is disabled while it is open.
#pragma once
#include <optional>

#include "records/progress.h"
#include "ui/framework/form_win.h"
#include "ui/framework/long_operation_win.h"
#include "ui/framework/panel_win.h"

namespace velura {

class TForm_Progress : public ui::Form, public BarProgress {
 public:
  TForm_Progress() = default;
  ~TForm_Progress() override;

  void Open() override;
  void Close() override;
  void SetMaximum(int maximum) override;
  void SetPosition(int position) override;

  bool IsOpen() const { return Hwnd() != nullptr; }

  ui::Panel Panel1;
  ui::Control* ProgressBar1 = nullptr;

 protected:
  void OnClose() override {}  // no close box, and Alt+F4 does nothing either
  void OnDestroyed() override;

 private:
  void FormCreate();
  void FormShow();
  void FormDestroy();

  std::optional<ui::LongOperation> guard_;
};

}  // namespace velura
