#include "platform/message_box.h"

#include <utility>

namespace velura {
namespace {

MessageSink& CurrentSink() {
  static MessageSink sink;
  return sink;
}

MessageResult DefaultAnswer(const MessageRequest& request) {
  static constexpr MessageResult kFirst[] = {MessageResult::Ok, MessageResult::Ok, MessageResult::Yes,
                                             MessageResult::Yes};
  static constexpr MessageResult kSecond[] = {MessageResult::Ok, MessageResult::Cancel, MessageResult::No,
                                              MessageResult::No};
  const auto buttons = static_cast<int>(request.Buttons);
  if (request.DefaultButton == 2 && request.Buttons == MessageButtons::YesNoCancel) return MessageResult::Cancel;
  return request.DefaultButton == 1 ? kSecond[buttons] : kFirst[buttons];
}

}  // namespace

MessageResult ShowMessage(const MessageRequest& request) {
  const MessageSink& sink = CurrentSink();
  return sink ? sink(request) : DefaultAnswer(request);
}

MessageSink SetMessageSink(MessageSink sink) { return std::exchange(CurrentSink(), std::move(sink)); }

}  // namespace velura
