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

std::u16string FormatProfileInt(std::int32_t value);
std::u16string FormatProfileBool(bool value);

}  // namespace velura
