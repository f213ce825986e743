// Where the one-time install's path entries point: what the file manager is asked to show for one.
#pragma once
#include <string>

namespace velura {

// The parameters that make the file manager show an entry given as a full path: a folder entry opens the
// folder itself, a file entry opens its folder with the file selected.
std::u16string ExplorerParameters(const std::u16string& fullPath, bool isDir);

}  // namespace velura
