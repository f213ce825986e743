#include "settings/ini_keeper_global_win.h"

#include <memory>

#include "platform/stored_files_folder_win.h"
#include "settings/ini_profile_win.h"

namespace velura {

TIniKeeper IniKeeper(std::make_unique<PrivateProfileFile>(StoredFilesFile(u"velura_wd.ini")));

}  // namespace velura
