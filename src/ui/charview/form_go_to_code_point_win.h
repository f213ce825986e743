// "コードポイントへ移動": a small modal box that reads a code point ("U+20BB7", "20BB7" or the character
// itself) for the Unicode viewer. OK with text that names no code point of a block says why and stays open.
#pragma once
#include "ui/charview/code_point_input.h"
#include "ui/framework/form_win.h"

namespace velura {

class TForm_GoToCodePoint : public ui::Form {
 public:
  explicit TForm_GoToCodePoint(HWND owner);
  ~TForm_GoToCodePoint() override;

  void Button_OKClick();
  const GoToTarget& Target() const { return target_; }

  ui::Control* Edit_CodePoint = nullptr;
  ui::Control* Button_OK = nullptr;
  ui::Control* Button_Cancel = nullptr;

 private:
  GoToTarget target_;
};

// Runs the box; true with the target when OK closed it.
bool RunGoToCodePointDialog(HWND owner, GoToTarget& target);

}  // namespace velura
