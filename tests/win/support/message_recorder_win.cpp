#include "support/message_recorder_win.h"

#include "platform/text.h"

namespace velura::testing {

MessageRecorder::MessageRecorder() {
  previous_ = SetMessageSink([this](const MessageRequest& request) {
    messages.push_back(request);
    return Answer(request);
  });
}

MessageRecorder::~MessageRecorder() { SetMessageSink(std::move(previous_)); }

void MessageRecorder::AnswerCaption(std::u16string caption, MessageResult answer) {
  byCaption_[std::move(caption)] = answer;
}

void MessageRecorder::AnswerInOrder(std::initializer_list<MessageResult> answers) {
  inOrder_.insert(inOrder_.end(), answers);
}

MessageResult MessageRecorder::Answer(const MessageRequest& request) {
  if (auto preset = byCaption_.find(request.Caption); preset != byCaption_.end()) return preset->second;
  if (inOrder_.empty()) return defaultAnswer_;
  const MessageResult next = inOrder_.front();
  inOrder_.pop_front();
  return next;
}

std::string MessageRecorder::Describe() const {
  std::string lines;
  for (const MessageRequest& request : messages) lines += ToUtf8(request.Caption) + ": " + ToUtf8(request.Text) + "\n";
  return lines;
}

}  // namespace velura::testing
