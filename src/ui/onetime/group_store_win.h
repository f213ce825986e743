// The group store of the running program: the group tree read from "veluragd.bin" at start-up, written
// after every edit and at program end when an edit is still unsaved, then released, each font list under
// the progress bar.
#pragma once
#include <string>

#include "records/file_services.h"
#include "records/group_data.h"
#include "records/group_store.h"
#include "ui/longop/form_progress_win.h"

namespace velura {

class OneTimeGroupStore {
 public:
  // folder: where the group file lives, without a trailing delimiter; empty for where the program keeps its
  // stored files.
  OneTimeGroupStore(FileServices& files, std::u16string folder = {});
  ~OneTimeGroupStore();
  OneTimeGroupStore(const OneTimeGroupStore&) = delete;
  OneTimeGroupStore& operator=(const OneTimeGroupStore&) = delete;

  TGroupRootClass& Groups() { return root_; }
  const GroupStoreLoad& LoadResult() const { return load_; }
  // Tells the user once that the file was damaged (nothing when it was not).
  void ReportDamage();
  // Program end: writes the file when it is behind (a failure is reported, the previous file stays), then
  // releases every registration still active. Runs once; the destructor runs it when nobody did.
  void Shutdown();

 private:
  TForm_Progress bar_;  // before the root: the root's release uses it until the root is gone
  GroupFileStore file_;
  TGroupRootClass root_;
  GroupStoreLoad load_;
  bool reported_ = false;
  bool shutDown_ = false;
};

}  // namespace velura
