// The full path of a one-time install entry on this machine (relative entries belong to the program's
// folder) and whether it is there.
#pragma once
#include <set>
#include <string>

#include "ui/onetime/onetime_entry_paths.h"

namespace velura {

// path: the entry's Path, in the ANSI code page as the group file keeps it.
std::u16string EntryFullPath(const std::string& path);

// Looks at entries one after another; a drive or server found unreachable is not asked again, so a
// server that does not answer costs its time-out once per look rather than once per entry.
class EntryProber {
 public:
  EntryState operator()(const std::string& path, bool isDir);

 private:
  std::set<std::u16string> unreachableRoots_;
};

}  // namespace velura
