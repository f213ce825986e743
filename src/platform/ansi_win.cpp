#include "platform/ansi_win.h"

#include <windows.h>

#include "platform/wide_win.h"

namespace velura {
namespace {

std::string Narrow(std::u16string_view text, DWORD flags) {
  if (text.empty()) return {};
  const std::wstring_view wide = AsWide(text);
  const int length = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide.data(), length, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

}  // namespace

std::string ToAnsi(std::u16string_view text) { return Narrow(text, 0); }

std::optional<std::string> ToAnsiExact(std::u16string_view text) {
  // The round trip also catches what a converter maps silently (lone surrogates, best-fit tables).
  std::string ansi = Narrow(text, WC_NO_BEST_FIT_CHARS);
  if (FromAnsi(ansi) != text) return std::nullopt;
  return ansi;
}

std::u16string FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), units);
  return ToU16(wide);
}

std::string AnsiLower(std::string_view bytes) {
  std::string lower(bytes);
  if (!lower.empty()) CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  return lower;
}

}  // namespace velura
