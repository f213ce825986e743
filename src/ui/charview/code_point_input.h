// "コードポイントへ移動": what the user typed, read as a code point and found in the block list.
#pragma once
#include <string>
#include <string_view>

namespace velura {

struct GoToTarget {
  bool ok = false;
  char32_t codePoint = 0;
  int listIndex = -1;     // the first block of the list that holds it
  std::u16string error;   // the message when not ok
};

// Accepts "U+20BB7" (or "u+"), bare hexadecimal "20BB7", or the character itself: a text that is exactly
// one character (a surrogate pair counts as one) is that character, so "A" is U+0041, while "U+A" or "0A"
// is U+000A. Blanks around the text are ignored.
GoToTarget ReadGoToInput(std::u16string_view text);

}  // namespace velura
