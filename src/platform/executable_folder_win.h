// Where the running executable lives: its settings and language priority files sit beside it.
#pragma once
#include <string>
#include <string_view>

namespace velura {

// The full path of the running executable.
std::u16string ExecutablePath();

// The folder of the running executable, with its trailing backslash, followed by fileName.
std::u16string ExecutableFolderFile(std::u16string_view fileName);

}  // namespace velura
