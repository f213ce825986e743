// Case folding for the registry font rules, supplied by the platform so that the rules run anywhere.
#pragma once
#include <string>
#include <string_view>

namespace velura {

class RegTextFolding {
 public:
  virtual ~RegTextFolding() = default;

  // The text in the ANSI code page, lower-cased as the code page lowers it. Registered font names
  // compare this way; characters the code page cannot hold become '?', as they do for other programs.
  virtual std::string AnsiLowerKey(std::u16string_view text) const = 0;

  // Lower case over all of UTF-16, for paths, file names and the mapping lists: two different files
  // must never compare equal because the code page could not hold their names.
  virtual std::u16string Lower(std::u16string_view text) const = 0;
};

}  // namespace velura
