// Which files the lists take: font files by their extension, and the archives the browser opens.
#pragma once
#include <string_view>

namespace velura {

// ".ttf", ".ttc" or ".otf", compared in lower case.
bool IsFontFileName(std::u16string_view name);
// ".zip", ".cab" or ".lzh", compared in lower case.
bool IsArchiveFileName(std::u16string_view name);

}  // namespace velura
