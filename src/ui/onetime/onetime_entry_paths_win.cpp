#include "ui/onetime/onetime_entry_paths_win.h"

#include "platform/ansi_win.h"
#include "platform/executable_folder_win.h"
#include "ui/onetime/onetime_entry_paths.h"

namespace velura {

std::u16string EntryFullPath(const std::string& path) {
  return ResolveEntryPath(FromAnsi(path), ExecutableFolderFile(u""));
}

}  // namespace velura
