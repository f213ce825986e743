// TForm_StatusBar: the small modeless status window of every long operation (load, install, uninstall,
// copy, print preparation): title, files done / total, a bar and the "中止" button. Open creates and shows
// it with every other window of the program disabled; Close releases it, so one object serves many runs.
// "中止" sets the stop flag of the loop context it was made for, which every loop of that context tests.
#pragma once
#include <optional>
#include <string>

#include "records/loop_context.h"
#include "ui/framework/form_win.h"
#include "ui/framework/long_operation_win.h"
#include "ui/longop/fresh_keys.h"

namespace velura {

class TForm_StatusBar : public ui::Form, public Progress {
 public:
  explicit TForm_StatusBar(LoopContext& loop) : loop_(loop) {}
  ~TForm_StatusBar() override;

  void Open(const std::u16string& title) override;
  void Close() override;
  void ResetDisplay() override;
  void BeginProgress(int total) override;
  void StepProgress(int done) override;
  void ProcessMessages() override;
  // The print preparation shows only its title and the bar.
  void HideCounter();

  bool IsOpen() const { return Hwnd() != nullptr; }
  LoopContext& Loop() const { return loop_; }

  // The designed components; valid while the window is open.
  ui::Control* Label_Title = nullptr;
  ui::Control* Label_in = nullptr;
  ui::Control* Label2 = nullptr;
  ui::Control* Label_total = nullptr;
  ui::Control* ProgressBar1 = nullptr;
  ui::Control* Button_Terminate = nullptr;
  ui::Control* Label1 = nullptr;

 protected:
  void OnClose() override;
  void OnDestroyed() override;

 private:
  void CreateComponents();
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void Button_TerminateClick();
  void Repaint();
  void DiscardQueuedInput();
  bool TakesInput(const MSG& message);

  LoopContext& loop_;
  std::optional<ui::LongOperation> guard_;
  FreshKeys keys_;
  int total_ = 0;
  unsigned long long lastStepShown_ = 0;  // tick of the last step painted; 0: none since BeginProgress
};

}  // namespace velura
