// Where a user's own fonts live, and making that folder when it is not there yet.
#pragma once
#include <string>

#include "records/file_services.h"

namespace velura {

// The per-user fonts folder below the user's local application data folder (no trailing backslash).
std::u16string UserFontsFolderIn(const std::u16string& localAppData);

// Creates the folder and every missing parent; true when it exists afterwards.
bool CreateFolderWithParents(FileServices& files, const std::u16string& folder);

}  // namespace velura
