#include "ui/onetime/group_store_win.h"

#include "platform/executable_folder_win.h"
#include "platform/message_box.h"
#include "platform/stored_files_folder_win.h"
#include "records/long_operations.h"

namespace velura {

namespace {

std::u16string WithoutDelimiter(std::u16string folder) {
  if (!folder.empty() && folder.back() == u'\\') folder.pop_back();
  return folder;
}

}  // namespace

OneTimeGroupStore::OneTimeGroupStore(FileServices& files, std::u16string folder)
    : file_(files, folder.empty() ? WithoutDelimiter(ExecutableFolderFile(u"")) : folder,
            folder.empty() ? WithoutDelimiter(StoredFilesFolder()) : folder),
      root_([this](TFileData_OneTimeInst& list) { ReleaseAll(list, bar_); }) {
  load_ = file_.Load(root_);
  file_.SaveAfterEachEdit(root_);
}

OneTimeGroupStore::~OneTimeGroupStore() { Shutdown(); }

void OneTimeGroupStore::ReportDamage() {
  if (reported_) return;
  reported_ = true;
  const std::u16string message = DamagedGroupFileMessage(load_);
  if (!message.empty()) ShowMessage(message, u"VELURA", MessageIcon::Warning);
}

void OneTimeGroupStore::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  if (!file_.SaveIfChanged(root_)) ShowMessage(kGroupFileSaveFailed + file_.FilePath(), u"VELURA", MessageIcon::Error);
  root_.ReleaseEverything();
}

}  // namespace velura
