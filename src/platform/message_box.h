// Every message box of the program goes through ShowMessage; Windows installs a sink that calls
// MessageBoxW, tests install a recorder. Without a sink a message is answered with its default button.
#pragma once
#include <functional>
#include <string>

#include "platform/user_error.h"

namespace velura {

// YesNoYesToAllCancel: "はい", "いいえ", "すべてはい", "キャンセル", for a question asked once per file.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoYesToAllCancel };
enum class MessageResult { Ok = 1, Cancel = 2, Yes = 6, No = 7, YesToAll = 100 };

struct MessageRequest {
  std::u16string Text;
  std::u16string Caption;
  MessageIcon Icon = MessageIcon::None;
  MessageButtons Buttons = MessageButtons::Ok;
  int DefaultButton = 0;  // 0 = the first button
};

using MessageSink = std::function<MessageResult(const MessageRequest&)>;

MessageResult ShowMessage(const MessageRequest& request);
inline MessageResult ShowMessage(std::u16string text, std::u16string caption, MessageIcon icon = MessageIcon::None,
                                 MessageButtons buttons = MessageButtons::Ok) {
  return ShowMessage(MessageRequest{std::move(text), std::move(caption), icon, buttons, 0});
}

// Installs a sink and returns the previous one.
MessageSink SetMessageSink(MessageSink sink);

}  // namespace velura
