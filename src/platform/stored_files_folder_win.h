// The folder of the files the program writes, decided on the first call (module initialisation, for the
// settings store) by the rule of stored_files_place.h.
#pragma once
#include <string>
#include <string_view>

namespace velura {

// With its trailing backslash.
const std::u16string& StoredFilesFolder();
inline std::u16string StoredFilesFile(std::u16string_view fileName) {
  return StoredFilesFolder() + std::u16string(fileName);
}
// Shows, once per folder ever made, where the files are kept when they moved to the user's folder.
void TellWhereStoredFilesAreKept();

}  // namespace velura
