#include "platform/executable_folder_win.h"

#include <windows.h>

#include "platform/wide_win.h"

namespace velura {

std::u16string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // a long path was cut
  }
  return ToU16(path);
}

std::u16string ExecutableFolderFile(std::u16string_view fileName) {
  std::u16string path = ExecutablePath();
  path.resize(path.rfind(u'\\') + 1);
  return path + std::u16string(fileName);
}

}  // namespace velura
