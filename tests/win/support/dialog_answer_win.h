// Answers a real modal window so that a test is never blocked by it: a message box that bypasses the
// sink, a common dialog, the folder browser, or one of our own modal forms.
#pragma once
#include <memory>
#include <string>

namespace velura::testing {

// An answer waiting for its dialog. Going out of scope withdraws it if its dialog never came.
class DialogAnswer {
 public:
  struct Pending;
  explicit DialogAnswer(std::unique_ptr<Pending> pending);
  DialogAnswer(DialogAnswer&&) noexcept;
  DialogAnswer& operator=(DialogAnswer&&) = delete;
  ~DialogAnswer();

  // The dialog came. False when it never did.
  bool Came() const;
  // The dialog came and had the button, which was clicked. When it lacked the button it was sent WM_CLOSE.
  bool Clicked() const;

 private:
  std::unique_ptr<Pending> pending_;
};

// Watches this thread with a WH_CBT hook until a dialog with this caption (class #32770, or a frame of our
// own window class) is activated, then posts the click of its button and forgets it. The button is found
// by id among the dialog's descendants; IDOK and IDCANCEL without such a button are posted to the dialog
// itself, as Enter and Esc are. Several answers may wait at once; each is used by one dialog, oldest first.
[[nodiscard]] DialogAnswer AnswerNextDialog(std::wstring caption, int buttonId);
// The button by its text, '&' marks ignored ("はい(&Y)" is "はい(Y)").
[[nodiscard]] DialogAnswer AnswerNextDialog(std::wstring caption, std::wstring buttonText);

}  // namespace velura::testing
