// Loading a browsed folder into a not-installed list: its font files through the load loop, and its
// archives into the browser's archive box.
#pragma once
#include <string>

#include "records/file_data.h"
#include "records/procedure_class.h"
#include "records/progress.h"

namespace velura {

// The browser's archive box as the loading sees it.
class ArchiveBox {
 public:
  virtual ~ArchiveBox() = default;
  virtual void Clear() = 0;
  virtual void Add(const std::u16string& archiveName) = 0;
  // Enabled (white) when it holds archives, disabled (window face) otherwise.
  virtual void SetEnabled(bool enabled) = 0;
};

void LoadFolderFiles(TProcedureClass& engine, TFileData_local& list, const std::u16string& folder, Progress& progress,
                     bool showFailures);

void LoadFolderFilesWithArchives(TProcedureClass& engine, TFileData_local& list, const std::u16string& folder,
                                 ArchiveBox& archives, Progress& progress, bool showFailures);

}  // namespace velura
