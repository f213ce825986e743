#include "cli/work_folder.h"

namespace velura {

void WorkFolder::RemoveTree(const std::u16string& folder) {
  for (const FolderEntry& entry : files_.ListFolder(folder)) {
    if (entry.Name == u"." || entry.Name == u"..") continue;
    const std::u16string path = folder + u"\\" + entry.Name;
    if (entry.Attributes & 16) {
      RemoveTree(path);
    } else {
      files_.ClearAttributes(path);
      files_.Delete(path);
    }
  }
  files_.RemoveFolder(folder);
}

}  // namespace velura
