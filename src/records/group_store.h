// Reading and writing the group file (where the program keeps its stored files). The current directory is
// set to the program's folder each time, because relative paths of the groups are meant against it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "records/file_services.h"
#include "records/group_data.h"

namespace velura {

struct GroupStoreLoad {
  bool found = false;
  bool damaged = false;
  int groupsRead = 0;
  // A damaged file is copied beside it before it can be overwritten; empty when the copy failed.
  std::u16string damagedCopy;
};

class GroupFileStore {
 public:
  // fileFolder: where the file itself is kept when not in the program's folder (which stays the current one).
  GroupFileStore(FileServices& files, std::u16string programFolder, std::u16string fileFolder = {})
      : files_(files),
        folder_(std::move(programFolder)),
        fileFolder_(fileFolder.empty() ? folder_ : std::move(fileFolder)) {}

  std::u16string FilePath() const;
  std::u16string DamagedCopyPath() const;

  GroupStoreLoad Load(TGroupRootClass& root);
  // Writes through a temporary file; false (the previous file untouched) when it could not. A damaged file
  // whose copy could not be made is never overwritten.
  bool Save(const TGroupRootClass& root);
  // From now on every edit of the root is saved at once, so a crash loses nothing; an edit whose save
  // failed leaves the file behind the tree until a later save succeeds.
  void SaveAfterEachEdit(TGroupRootClass& root);
  // Program end: saves only when the file is behind the tree (an edit made past the hook included); false
  // when that save failed.
  bool SaveIfChanged(const TGroupRootClass& root);
  bool FileBehind() const { return fileBehind_; }

 private:
  bool KeepDamagedCopy();
  FileServices& files_;
  std::u16string folder_;
  std::u16string fileFolder_;
  bool damagedUnsaved_ = false;
  bool fileBehind_ = false;           // the tree holds what the file does not (an unsaved edit, a damaged file)
  std::vector<std::uint8_t> inFile_;  // what the file holds as far as this run knows
};

// The start-up message about a damaged group file; empty when there is nothing to say.
std::u16string DamagedGroupFileMessage(const GroupStoreLoad& load);
inline constexpr char16_t kGroupFileSaveFailed[] = u"グループファイルを保存できませんでした\r\n";

}  // namespace velura
