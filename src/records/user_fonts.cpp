#include "records/user_fonts.h"

#include "records/reg_font_rules.h"

namespace velura {

std::u16string UserFontsFolderIn(const std::u16string& localAppData) {
  if (localAppData.empty()) return {};
  std::u16string folder = localAppData;
  while (folder.size() > 3 && folder.back() == u'\\') folder.pop_back();
  return folder + u"\\Microsoft\\Windows\\Fonts";
}

bool CreateFolderWithParents(FileServices& files, const std::u16string& folder) {
  if (folder.empty()) return false;
  if (files.Exists(folder)) return true;
  const std::u16string parent = FolderPart(folder);
  // A drive root or a bare name has no parent to make.
  if (!parent.empty() && parent != folder && !CreateFolderWithParents(files, parent)) return false;
  return files.CreateFolder(folder);
}

}  // namespace velura
