#include "platform/stored_files_folder_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/executable_folder_win.h"
#include "platform/message_box.h"
#include "platform/stored_files_place.h"
#include "platform/wide_win.h"

namespace velura {

namespace {

bool Exists(const std::u16string& path) { return GetFileAttributesW(AsWide(path)) != INVALID_FILE_ATTRIBUTES; }

// A file made and removed at once: the folder's access rights, as they apply to this process, decide.
bool FolderTakesWrites(const std::u16string& folder) {
  const std::u16string probe = folder + u"velura_write_probe.tmp";
  const HANDLE file = CreateFileW(AsWide(probe), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_EXISTS;  // a leftover of a killed run
  CloseHandle(file);
  return true;
}

// "%APPDATA%\VELURA\"; empty when the roaming folder is unknown.
std::u16string UserFolder() {
  PWSTR folder = nullptr;
  std::u16string result;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)) && folder) {
    std::wstring text = folder;
    if (!text.empty() && text.back() != L'\\') text += L'\\';
    result = ToU16(text) + u"VELURA\\";
  }
  CoTaskMemFree(folder);
  return result;
}

struct StoredFilesChoice {
  std::u16string folder;
  bool tellUser = false;
};

StoredFilesChoice Choose() {
  const std::u16string program = ExecutableFolderFile(u"");
  const std::u16string user = UserFolder();
  StoredFilesFacts facts;
  facts.programFolderWritable = FolderTakesWrites(program);
  for (const char16_t* name : kStoredFileNames) facts.programFolderHoldsFiles |= Exists(program + name);
  facts.userFolderKnown = !user.empty();
  facts.userFolderExists = facts.userFolderKnown && Exists(user);
  const StoredFilesPlan plan = PlanStoredFiles(facts);
  if (!plan.useUserFolder) return {program, false};
  if (plan.createUserFolder && !CreateDirectoryW(AsWide(user), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return {program, false};  // nowhere writable: what is beside the executable is still read
  if (plan.copyProgramFiles)
    for (const char16_t* name : kStoredFileNames)
      if (Exists(program + name)) CopyFileW(AsWide(program + name), AsWide(user + name), TRUE);
  return {user, plan.tellUser};
}

StoredFilesChoice& Choice() {
  static StoredFilesChoice choice = Choose();
  return choice;
}

}  // namespace

const std::u16string& StoredFilesFolder() { return Choice().folder; }

void TellWhereStoredFilesAreKept() {
  StoredFilesChoice& choice = Choice();
  if (!choice.tellUser) return;
  choice.tellUser = false;
  ShowMessage(StoredFilesMovedNote(choice.folder), u"VELURA", MessageIcon::Information);
}

}  // namespace velura
