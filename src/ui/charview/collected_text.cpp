#include "ui/charview/collected_text.h"

namespace velura {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

bool CollectsAsCharacter(int codePoint) {
  return codePoint >= 0 && codePoint <= 0x10FFFF && !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
}

std::u16string WellFormedForCopy(std::u16string_view text) {
  std::u16string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    if (IsHighSurrogate(result[i]) && i + 1 < result.size() && IsLowSurrogate(result[i + 1])) {
      ++i;  // a whole pair
    } else if (IsHighSurrogate(result[i]) || IsLowSurrogate(result[i])) {
      result[i] = u'\xFFFD';
    }
  }
  return result;
}

}  // namespace velura
