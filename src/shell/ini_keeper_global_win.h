// The one settings store of the run, on "velura_wd.ini" beside the executable. It is created while the
// program's modules are initialised, before the entry runs, and lives until they are finalised.
#pragma once
#include <string>

#include "shell/ini_keeper.h"

namespace velura {

extern TIniKeeper IniKeeper;

// The folder of the running executable, with its trailing backslash, followed by fileName.
std::u16string ExecutableFolderFile(std::u16string_view fileName);

}  // namespace velura
