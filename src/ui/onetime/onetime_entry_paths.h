// Where the one-time install's path entries point: their full paths and what the file manager is asked to
// show for one.
#pragma once
#include <string>

namespace velura {

// An entry's path as a full path. A relative entry ("./", "..\", a bare name) is taken from the program's
// folder, never from the process's current folder, which file dialogs may move; "." and ".."
// are resolved, "/" becomes "\". A drive-relative "X:name" is left as it is.
std::u16string ResolveEntryPath(const std::u16string& path, const std::u16string& programFolder);

// The parameters that make the file manager show an entry given as a full path: a folder entry opens the
// folder itself, a file entry opens its folder with the file selected.
std::u16string ExplorerParameters(const std::u16string& fullPath, bool isDir);

}  // namespace velura
