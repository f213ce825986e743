// A plain frame to stand for the program's other windows in the UI tests; the message recorder comes along.
#pragma once
#include <string>

#include "support/message_recorder_win.h"
#include "ui/framework/form_win.h"

namespace velura::testing {

class TestFrame : public ui::Form {
 public:
  explicit TestFrame(const std::wstring& caption, int width = 300, int height = 200) {
    CreateForm(caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, width, height, nullptr, ui::Placement::Default);
  }
  using ui::Form::defaultButtonId_;
  using ui::Form::cancelButtonId_;
};

}  // namespace velura::testing
