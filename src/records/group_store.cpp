#include "records/group_store.h"

#include <vector>

#include "records/group_file.h"

namespace velura {

std::u16string GroupFileStore::FilePath() const { return fileFolder_ + u"\\" + kGroupFileName; }
std::u16string GroupFileStore::DamagedCopyPath() const { return FilePath() + u".damaged"; }

bool GroupFileStore::KeepDamagedCopy() {
  if (!files_.Copy(FilePath(), DamagedCopyPath(), false)) return false;
  damagedUnsaved_ = false;
  return true;
}

GroupStoreLoad GroupFileStore::Load(TGroupRootClass& root) {
  GroupStoreLoad result;
  files_.ChangeCurrentFolder(folder_);
  std::vector<std::uint8_t> bytes;
  const bool readable = files_.ReadWholeFile(FilePath(), bytes);
  // A file that is there but cannot be read counts as damaged, so that the save at program end cannot put
  // an empty tree in place of the groups it holds.
  if (!readable && !files_.Exists(FilePath())) {
    inFile_ = WriteGroupFile(root);  // no file and no groups: nothing to write until an edit
    return result;
  }
  result.found = true;
  const GroupFileRead read = readable ? ReadGroupFile(bytes, root) : GroupFileRead{};
  result.groupsRead = read.groupsRead;
  if (!readable || !read.complete) {
    result.damaged = true;
    damagedUnsaved_ = true;
    fileBehind_ = true;  // the groups that could be read replace it at the latest at program end
    if (KeepDamagedCopy()) result.damagedCopy = DamagedCopyPath();
  } else {
    inFile_ = std::move(bytes);
  }
  return result;
}

bool GroupFileStore::Save(const TGroupRootClass& root) {
  files_.ChangeCurrentFolder(folder_);
  if (damagedUnsaved_ && !KeepDamagedCopy()) return false;
  std::vector<std::uint8_t> bytes = WriteGroupFile(root);
  if (!files_.WriteReplacing(FilePath(), bytes)) return false;
  fileBehind_ = false;
  inFile_ = std::move(bytes);
  return true;
}

void GroupFileStore::SaveAfterEachEdit(TGroupRootClass& root) {
  root.SetChanged([this, &root] {
    fileBehind_ = true;
    Save(root);
  });
}

bool GroupFileStore::SaveIfChanged(const TGroupRootClass& root) {
  if (!fileBehind_ && WriteGroupFile(root) == inFile_) return true;
  return Save(root);
}

std::u16string DamagedGroupFileMessage(const GroupStoreLoad& load) {
  if (!load.damaged) return {};
  std::u16string text = u"グループファイルが壊れていました\r\n読み込めたグループ数： ";
  for (char c : std::to_string(load.groupsRead)) text += static_cast<char16_t>(c);
  if (load.damagedCopy.empty())
    text += u"\r\n\r\n元のファイルを残せなかったため、終了時にグループファイルを保存しません";
  else text += u"\r\n\r\n元のファイルを次の場所に残しました\r\n" + load.damagedCopy;
  return text;
}

}  // namespace velura
