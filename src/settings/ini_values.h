// How the settings file spells its values.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace velura {

// Decimal with an optional sign, or hexadecimal after "$" or (in a text longer than two characters) "0x"/"0X".
// Leading blanks are skipped. Anything else, or a value outside 32 bits, gives the default.
std::int32_t ParseProfileInt(std::u16string_view text, std::int32_t fallback);

// A Boolean is an integer: any value other than 0 is true; text that is no number gives the default.
bool ParseProfileBool(std::u16string_view text, bool fallback);

// A code point as "U+" and four to six upper-case hexadecimal digits ("U+1F300"); 0 for any other text or a
// value beyond U+10FFFF. Integer readers take this form as no number, so it gives them their default.
char32_t ParseProfileCodePoint(std::u16string_view text);
std::u16string FormatProfileCodePoint(char32_t value);

std::u16string FormatProfileInt(std::int32_t value);
std::u16string FormatProfileBool(bool value);

}  // namespace velura
