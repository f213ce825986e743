#include "records/folder_loading.h"

#include "records/long_operations.h"

namespace velura {

void LoadFolderFiles(TProcedureClass& engine, TFileData_local& list, const std::u16string& folder, Progress& progress,
                     bool showFailures) {
  list.FolderPath = folder;
  std::vector<std::u16string> fontFiles;
  engine.ScanFolder(folder, fontFiles, nullptr);
  RunLoadFiles(engine.Loop(), progress, fontFiles, list, showFailures);
}

void LoadFolderFilesWithArchives(TProcedureClass& engine, TFileData_local& list, const std::u16string& folder,
                                 ArchiveBox& archives, Progress& progress, bool showFailures) {
  list.FolderPath = folder;
  engine.Loop().MarkPhase("scan");
  std::vector<std::u16string> fontFiles, archiveNames;
  engine.ScanFolder(folder, fontFiles, &archiveNames);
  archives.Clear();
  for (const auto& name : archiveNames) archives.Add(name);
  archives.SetEnabled(!archiveNames.empty());
  RunLoadFiles(engine.Loop(), progress, fontFiles, list, showFailures);
}

}  // namespace velura
