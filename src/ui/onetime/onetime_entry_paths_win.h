// The full path of a one-time install entry on this machine: relative entries belong to the program's folder.
#pragma once
#include <string>

namespace velura {

// path: the entry's Path, in the ANSI code page as the group file keeps it.
std::u16string EntryFullPath(const std::string& path);

}  // namespace velura
