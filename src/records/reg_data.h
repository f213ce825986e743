// One value of the registry's Fonts key.
#pragma once
#include <string>
#include <vector>

namespace velura {

struct TRegData {
  std::u16string File;       // the value's data: a bare file name (of the fonts folder) or a full path
  std::u16string ValueName;  // e.g. a family name followed by " (TrueType)"
  bool LoadFailed = false;   // set by the installed-list loader when the file could not be read
};

using TRegDataArrray = std::vector<TRegData>;

}  // namespace velura
