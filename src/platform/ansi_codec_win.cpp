#include "platform/ansi_codec_win.h"

#include <windows.h>

#include "platform/wide_win.h"

namespace velura {

std::u16string SystemAnsiCodec::RoundTrip(std::u16string_view text) const {
  if (text.empty()) return {};
  const std::wstring_view wide = AsWide(text);
  const int length = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), bytes, nullptr, nullptr);
  const int units = MultiByteToWideChar(CP_ACP, 0, ansi.data(), bytes, nullptr, 0);
  if (units <= 0) return {};
  std::wstring back(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), bytes, back.data(), units);
  return ToU16(back);
}

}  // namespace velura
