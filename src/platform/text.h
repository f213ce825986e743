// Portable text helpers: UTF-16 <-> UTF-8, ASCII widening, decimal numbers, ASCII case folding.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace velura {

// Widens ASCII (or Latin-1) bytes unit by unit.
std::u16string Widen(std::string_view bytes);

std::u16string DecimalU16(std::int64_t value);

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// Lower-cases A-Z only, as the sfnt tag and style comparisons need.
std::u16string AsciiLower(std::u16string_view text);
std::string AsciiLower(std::string_view text);

}  // namespace velura
