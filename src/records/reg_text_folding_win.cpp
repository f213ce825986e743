#include "records/reg_text_folding_win.h"

#include <windows.h>

#include "platform/ansi_win.h"
#include "platform/wide_win.h"

namespace velura {

std::string SystemTextFolding::AnsiLowerKey(std::u16string_view text) const { return AnsiLower(ToAnsi(text)); }

std::u16string SystemTextFolding::Lower(std::u16string_view text) const {
  std::wstring lower = ToWide(text);
  if (!lower.empty()) CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
  return ToU16(lower);
}

}  // namespace velura
