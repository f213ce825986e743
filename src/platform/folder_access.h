// What a folder the user chose allows, as a check before it is stored.
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

namespace velura {

enum class FolderAccess : std::uint8_t { Missing, ReadOnly, Writable };

// Asks the file system about one folder (folder_access_win.h); tests pass their own answer.
using FolderProbe = std::function<FolderAccess(std::u16string_view folder)>;

}  // namespace velura
