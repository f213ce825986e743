#include "ui/charview/code_point_input.h"

#include "ui/charview/unicode_blocks.h"

namespace velura {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\x3000'; }
bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  // Full-width digits and letters, as a Japanese input method may type them.
  if (c >= u'０' && c <= u'９') return c - u'０';
  if (c >= u'ａ' && c <= u'ｆ') return c - u'ａ' + 10;
  if (c >= u'Ａ' && c <= u'Ｆ') return c - u'Ａ' + 10;
  return -1;
}

GoToTarget Failure(std::u16string message) {
  GoToTarget target;
  target.error = std::move(message);
  return target;
}

}  // namespace

GoToTarget ReadGoToInput(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return Failure(u"コードポイントを入力してください\r\n（例: U+20BB7、20BB7 または文字そのもの）");

  char32_t code = 0;
  const bool oneUnit = text.size() == 1 && !IsHigh(text[0]) && !IsLow(text[0]);
  const bool onePair = text.size() == 2 && IsHigh(text[0]) && IsLow(text[1]);
  if (oneUnit) {
    code = text[0];
  } else if (onePair) {
    code = 0x10000 + ((static_cast<char32_t>(text[0]) - 0xD800) << 10) + (static_cast<char32_t>(text[1]) - 0xDC00);
  } else {
    std::u16string_view digits = text;
    if (digits.size() > 2 && (digits[0] == u'U' || digits[0] == u'u' || digits[0] == u'Ｕ' || digits[0] == u'ｕ') &&
        (digits[1] == u'+' || digits[1] == u'＋'))
      digits.remove_prefix(2);
    if (digits.size() > 8) return Failure(u"U+0000 ～ U+10FFFF の範囲で入力してください");
    for (char16_t c : digits) {
      const int digit = HexDigit(c);
      if (digit < 0)
        return Failure(u"コードポイントとして読めません: " + std::u16string(text) +
                       u"\r\n（例: U+20BB7、20BB7 または文字そのもの）");
      code = code * 16 + static_cast<char32_t>(digit);
    }
    if (code > 0x10FFFF) return Failure(u"U+0000 ～ U+10FFFF の範囲で入力してください");
  }

  GoToTarget target;
  target.codePoint = code;
  target.listIndex = BlockOfCodePoint(code);
  if (target.listIndex < 0) return Failure(UPlusText(code) + u" はどのブロックにも属していません");
  target.ok = true;
  return target;
}

}  // namespace velura
