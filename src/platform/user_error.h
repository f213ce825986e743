// The one exception type the lower layers throw: a message for the user, shown as it is in a message box.
#pragma once
#include <exception>
#include <string>
#include <utility>

#include "platform/text.h"

namespace velura {

enum class MessageIcon { Error, Warning, Information, Question, None };

class UserError : public std::exception {
 public:
  // An empty caption leaves the choice of caption to whoever shows the message.
  explicit UserError(std::u16string message, std::u16string caption = {}, MessageIcon icon = MessageIcon::Error)
      : message_(std::move(message)), caption_(std::move(caption)), icon_(icon), utf8_(ToUtf8(message_)) {}

  const std::u16string& Message() const noexcept { return message_; }
  const std::u16string& Caption() const noexcept { return caption_; }
  MessageIcon Icon() const noexcept { return icon_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::u16string message_;
  std::u16string caption_;
  MessageIcon icon_;
  std::string utf8_;
};

}  // namespace velura
