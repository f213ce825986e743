// The one settings store of the run, on "velura_wd.ini" beside the executable. It is created while the
// program's modules are initialised, before the entry runs, and lives until they are finalised.
#pragma once
#include "settings/ini_keeper.h"

namespace velura {

extern TIniKeeper IniKeeper;

}  // namespace velura
