#include "platform/folder_access_win.h"

#include <windows.h>

#include <string>

#include "platform/wide_win.h"

namespace velura {

FolderAccess ProbeFolderAccess(std::u16string_view folder) {
  std::u16string path(folder);
  if (path.empty()) return FolderAccess::Missing;
  const DWORD attributes = GetFileAttributesW(AsWide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return FolderAccess::Missing;
  // A file made and removed at once: the folder's access rights, as they apply to this process, decide.
  if (path.back() != u'\\') path += u'\\';
  path += u"velura_write_probe.tmp";
  const HANDLE file = CreateFileW(AsWide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE)  // a leftover of a killed run still shows the folder takes files
    return GetLastError() == ERROR_FILE_EXISTS ? FolderAccess::Writable : FolderAccess::ReadOnly;
  CloseHandle(file);
  return FolderAccess::Writable;
}

}  // namespace velura
