// Folders under the temporary folder for tests that need real files, reached through the wide APIs so
// that names outside the ANSI code page work.
#pragma once
#include <string>

namespace velura::testing {

// A fresh, empty folder of its own (the name gets the process id and a counter, so neither a folder left
// by an earlier run nor a cached profile of an earlier fixture is met); removed with everything in it when
// the object goes.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& name);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
  // The folder, or a name in it, as the portable code takes paths.
  std::u16string U16(const std::wstring& name = {}) const;

 private:
  std::wstring path_;
};

// A folder of exactly this name under the temporary folder, emptied first; removed by RemoveFolderTree.
std::wstring NewTempFolder(const std::wstring& name);
void RemoveFolderTree(const std::wstring& folder);

}  // namespace velura::testing
