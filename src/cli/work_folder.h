// The run's own work folder for extracted archives and staged upgrades: made at the start, removed with
// everything in it at the end.
#pragma once
#include <string>

#include "records/file_services.h"

namespace velura {

class WorkFolder {
 public:
  WorkFolder(FileServices& files, std::u16string path) : files_(files), path_(std::move(path)) {
    files_.CreateFolder(path_);
  }
  ~WorkFolder() { RemoveTree(path_); }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  const std::u16string& Path() const { return path_; }

 private:
  void RemoveTree(const std::u16string& folder);

  FileServices& files_;
  std::u16string path_;
};

}  // namespace velura
