#include "platform/stored_files_place.h"

namespace velura {

StoredFilesPlan PlanStoredFiles(const StoredFilesFacts& facts) {
  StoredFilesPlan plan;
  // Beside the executable whenever it can be written there; with nowhere better, read what is there.
  if (facts.programFolderWritable || !facts.userFolderKnown) return plan;
  plan.useUserFolder = true;
  if (!facts.userFolderExists) {
    plan.createUserFolder = true;
    plan.copyProgramFiles = facts.programFolderHoldsFiles;
    plan.tellUser = true;
  }
  return plan;
}

std::u16string StoredFilesMovedNote(const std::u16string& folder) {
  return u"プログラムのフォルダに書き込めないため、設定ファイルとグループファイルは次のフォルダに保存します\r\n" +
         folder;
}

}  // namespace velura
