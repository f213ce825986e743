// The file system's answer about a folder the user chose.
#pragma once
#include <string_view>

#include "platform/folder_access.h"

namespace velura {

// Missing when there is no such folder (or it is a file); ReadOnly when this process cannot create a file in it.
FolderAccess ProbeFolderAccess(std::u16string_view folder);

}  // namespace velura
