#include "records/font_file_names.h"

#include <algorithm>
#include <initializer_list>

#include "platform/text.h"

namespace velura {

namespace {

bool HasExtension(std::u16string_view name, std::initializer_list<std::u16string_view> extensions) {
  const auto dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos) return false;
  const std::u16string extension = AsciiLower(name.substr(dot));
  return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

}  // namespace

bool IsFontFileName(std::u16string_view name) { return HasExtension(name, {u".ttf", u".ttc", u".otf"}); }

bool IsArchiveFileName(std::u16string_view name) { return HasExtension(name, {u".zip", u".cab", u".lzh"}); }

}  // namespace velura
