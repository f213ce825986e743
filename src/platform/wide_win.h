// The one place where UTF-16 text crosses between the portable char16_t world and Win32's wchar_t.
// On Windows both are 16-bit UTF-16 code units, so views cost nothing.
#pragma once
#include <cwchar>
#include <string>
#include <string_view>

namespace velura {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide views need a 16-bit wchar_t (Windows)");

inline std::wstring_view AsWide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline const wchar_t* AsWide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline std::u16string_view AsU16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}
inline std::u16string ToU16(std::wstring_view text) { return std::u16string(AsU16(text)); }
inline std::wstring ToWide(std::u16string_view text) { return std::wstring(AsWide(text)); }

}  // namespace velura
