// Stands in for every message box while it lives: each request is recorded and answered without a window.
#pragma once
#include <deque>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace velura::testing {

// A box is answered by the first of: the answer preset for its caption, the next answer queued in order,
// the default answer (Ok unless set).
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // Every box with this caption.
  void AnswerCaption(std::u16string caption, MessageResult answer);
  // The next boxes without a caption answer, one answer each.
  void AnswerInOrder(std::initializer_list<MessageResult> answers);
  void SetDefaultAnswer(MessageResult answer) { defaultAnswer_ = answer; }

  // Every box shown, oldest first.
  std::vector<MessageRequest> messages;
  // One line per box, "caption: text", for failure messages.
  std::string Describe() const;

 private:
  MessageResult Answer(const MessageRequest& request);

  std::map<std::u16string, MessageResult> byCaption_;
  std::deque<MessageResult> inOrder_;
  MessageResult defaultAnswer_ = MessageResult::Ok;
  MessageSink previous_;
};

}  // namespace velura::testing
