// The system's ANSI code page (932 on Japanese Windows) as the name reader's codec.
#pragma once
#include "platform/ansi_codec.h"

namespace velura {

class SystemAnsiCodec final : public AnsiCodec {
 public:
  std::u16string RoundTrip(std::u16string_view text) const override;
};

}  // namespace velura
