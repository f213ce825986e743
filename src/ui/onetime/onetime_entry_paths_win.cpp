#include "ui/onetime/onetime_entry_paths_win.h"

#include <windows.h>

#include "platform/ansi_win.h"
#include "platform/executable_folder_win.h"
#include "platform/wide_win.h"

namespace velura {

namespace {

PathProbe Probe(const std::u16string& fullPath, const std::u16string& root) {
  if (root.size() == 3 && GetDriveTypeW(ToWide(root).c_str()) == DRIVE_NO_ROOT_DIR) return PathProbe::DriveAbsent;
  const DWORD attributes = GetFileAttributesW(ToWide(fullPath).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES)
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathProbe::Folder : PathProbe::File;
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return PathProbe::NotThere;
    case ERROR_NOT_READY:  // a drive without its medium
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NETNAME_DELETED:
    case ERROR_NETWORK_UNREACHABLE:
    case ERROR_HOST_UNREACHABLE:
    case ERROR_SEM_TIMEOUT:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_REM_NOT_LIST:
    case ERROR_DEV_NOT_EXIST: return PathProbe::DriveAbsent;
    default: return PathProbe::CannotTell;
  }
}

}  // namespace

std::u16string EntryFullPath(const std::string& path) {
  return ResolveEntryPath(FromAnsi(path), ExecutableFolderFile(u""));
}

EntryState EntryProber::operator()(const std::string& path, bool isDir) {
  const std::u16string full = EntryFullPath(path);
  const std::u16string root = PathRoot(full);
  if (unreachableRoots_.count(root)) return EntryState::Unreachable;
  const PathProbe probe = Probe(full, root);
  if (probe == PathProbe::DriveAbsent) unreachableRoots_.insert(root);
  return StateOfEntry(isDir, probe);
}

}  // namespace velura
