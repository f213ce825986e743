// The round trip of Shift-JIS-encoded name strings through the system's ANSI code page, injected so that
// the reader stays portable: Windows supplies the real code page, other systems the identity.
#pragma once
#include <string>
#include <string_view>

namespace velura {

class AnsiCodec {
 public:
  virtual ~AnsiCodec() = default;
  // The text converted to the ANSI code page and back to UTF-16.
  virtual std::u16string RoundTrip(std::u16string_view text) const = 0;
};

// For systems without an ANSI code page: the text comes back unchanged.
class IdentityAnsiCodec final : public AnsiCodec {
 public:
  std::u16string RoundTrip(std::u16string_view text) const override { return std::u16string(text); }
};

}  // namespace velura
