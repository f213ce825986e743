#include "settings/ini_values.h"

#include <optional>

#include "platform/text.h"

namespace velura {
namespace {

int DigitValue(char16_t c, int base) {
  int value = 16;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  else if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  else if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  return value < base ? value : -1;
}

// The magnitude of a run of digits, or none when it is empty, holds another character or exceeds limit.
std::optional<std::uint64_t> Magnitude(std::u16string_view digits, int base, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char16_t c : digits) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

char32_t ParseProfileCodePoint(std::u16string_view text) {
  if (text.size() < 6 || text.size() > 8 || text[0] != u'U' || text[1] != u'+') return 0;
  const auto value = Magnitude(text.substr(2), 16, 0x10FFFF);
  return value ? static_cast<char32_t>(*value) : 0;
}

std::u16string FormatProfileCodePoint(char32_t value) {
  static const char16_t digits[] = u"0123456789ABCDEF";
  std::u16string hex;
  for (; value != 0 || hex.size() < 4; value >>= 4) hex.insert(hex.begin(), digits[value & 0xF]);
  return u"U+" + hex;
}

std::int32_t ParseProfileInt(std::u16string_view text, std::int32_t fallback) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  if (!text.empty() && text.front() == u'$') {
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    text.remove_prefix(2);
  } else {
    // Decimal: up to 2147483647, or 2147483648 after a minus sign.
    const auto value = Magnitude(text, 10, negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (!value) return fallback;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*value) : static_cast<std::int64_t>(*value));
  }
  // Hexadecimal spells the 32 bits themselves: "$FFFFFFFF" is -1.
  const auto value = Magnitude(text, 16, 0xFFFFFFFFull);
  if (!value) return fallback;
  const auto bits = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(*value)
                                                        : static_cast<std::uint32_t>(*value));
  return static_cast<std::int32_t>(bits);
}

bool ParseProfileBool(std::u16string_view text, bool fallback) {
  return ParseProfileInt(text, fallback ? 1 : 0) != 0;
}

std::u16string FormatProfileInt(std::int32_t value) { return DecimalU16(value); }

std::u16string FormatProfileBool(bool value) { return value ? u"1" : u"0"; }

}  // namespace velura
