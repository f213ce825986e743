// Case folding through the system: the ANSI code page for registered names, CharLowerBuffW for the rest.
#pragma once
#include "records/reg_text_folding.h"

namespace velura {

class SystemTextFolding final : public RegTextFolding {
 public:
  std::string AnsiLowerKey(std::u16string_view text) const override;
  std::u16string Lower(std::u16string_view text) const override;
};

}  // namespace velura
