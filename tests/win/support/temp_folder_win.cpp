#include "support/temp_folder_win.h"

#include <windows.h>

#include "platform/wide_win.h"

namespace velura::testing {

TempFolder::TempFolder(const std::wstring& name) {
  static int created = 0;
  path_ = NewTempFolder(name + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++created));
}

TempFolder::~TempFolder() { RemoveFolderTree(path_); }

std::u16string TempFolder::U16(const std::wstring& name) const { return ToU16(name.empty() ? path_ : *this / name); }

std::wstring NewTempFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + name;
  RemoveFolderTree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void RemoveFolderTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolderTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace velura::testing
