// Text in the system's ANSI code page, for the stored formats and comparisons that are defined by it
// (the settings file, ANSI case folding of registry names). Everything else stays UTF-16.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace velura {

// Characters the code page cannot hold become its default character ('?') or a best-fit look-alike.
std::string ToAnsi(std::u16string_view text);

// None when some character would not come back unchanged.
std::optional<std::string> ToAnsiExact(std::u16string_view text);

std::u16string FromAnsi(std::string_view bytes);

// Lower case as the code page defines it (double-byte characters are left whole).
std::string AnsiLower(std::string_view bytes);

}  // namespace velura
