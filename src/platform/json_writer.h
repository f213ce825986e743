// A minimal JSON writer for the command-line programs: objects and arrays written in order, UTF-8 output.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace velura {

class JsonWriter {
 public:
  std::string& Text() { return text_; }

  void BeginObject() { Separate(); text_ += '{'; first_ = true; }
  void EndObject() { text_ += '}'; first_ = false; }
  void BeginArray() { Separate(); text_ += '['; first_ = true; }
  void EndArray() { text_ += ']'; first_ = false; }

  JsonWriter& Key(std::string_view key) {
    Separate();
    AppendQuoted(key);
    text_ += ':';
    first_ = true;  // the value follows without a comma
    return *this;
  }

  void String(std::u16string_view value) { String(std::string_view(ToUtf8(value))); }
  void String(std::string_view utf8) { Separate(); AppendQuoted(utf8); }
  // Bytes that are not text (table tags): each byte as the code point of the same value.
  void Bytes(std::string_view bytes) { String(std::u16string_view(Widen(bytes))); }
  void Number(std::int64_t value) { Separate(); text_ += std::to_string(value); }
  void Bool(bool value) { Separate(); text_ += value ? "true" : "false"; }

 private:
  void Separate() {
    if (!first_) text_ += ',';
    first_ = false;
  }

  void AppendQuoted(std::string_view utf8) {
    text_ += '"';
    for (unsigned char c : utf8) {
      if (c == '"' || c == '\\') {
        text_ += '\\';
        text_ += static_cast<char>(c);
      } else if (c < 0x20) {
        static const char* kHex = "0123456789abcdef";
        text_ += "\\u00";
        text_ += kHex[c >> 4];
        text_ += kHex[c & 15];
      } else {
        text_ += static_cast<char>(c);
      }
    }
    text_ += '"';
  }

  std::string text_;
  bool first_ = true;
};

}  // namespace velura
