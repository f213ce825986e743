// Shared pieces of the UI tests: a plain frame to stand for the program's other windows, and a recorder
// that answers every message box.
#pragma once
#include <string>
#include <vector>

#include "platform/message_box.h"
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

class MessageRecorder {
 public:
  MessageRecorder() {
    previous_ = SetMessageSink([this](const MessageRequest& request) {
      messages.push_back(request);
      return MessageResult::Ok;
    });
  }
  ~MessageRecorder() { SetMessageSink(std::move(previous_)); }
  std::vector<MessageRequest> messages;

 private:
  MessageSink previous_;
};

}  // namespace velura::testing
