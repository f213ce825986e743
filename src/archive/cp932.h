// CP932 (the Windows Japanese code page) to UTF-16, without the system: archive member names are decoded
// the same way on every platform, whatever the ANSI code page of the machine happens to be.
#pragma once
#include <string>
#include <string_view>

namespace velura {

struct DecodedText {
  std::u16string text;
  bool hadInvalidBytes = false;  // some bytes mapped to nothing and became U+FFFD
};

DecodedText DecodeCp932(std::string_view bytes);

// True when byte b starts a two-byte CP932 character (the byte after it, 0x5C included, is never a separator).
constexpr bool IsCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace velura
