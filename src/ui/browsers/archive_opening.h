// Opening an archive in the not-installed browser: its fonts (and the fonts of archives inside it, one
// level deep) are extracted into the window's work folder, which is then browsed like a folder.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "records/file_services.h"
#include "records/procedure_class.h"

namespace velura {

// What opening needs of the archive layer.
class ArchiveExtractor {
 public:
  virtual ~ArchiveExtractor() = default;
  // The member names of an archive (empty when it cannot be read).
  virtual std::vector<std::u16string> MemberNames(const std::u16string& archive) = 0;
  // Extracts every member into an existing folder; failures are not reported.
  virtual void ExtractAll(const std::u16string& archive, const std::u16string& folder) = 0;
};

// Whether a place the folder tree hands over is opened as an archive: a file with an archive's name (the
// rule of the folder scan), never a folder whose name merely ends like one.
bool OpensAsArchive(std::u16string_view path, bool isFolder);

// Extracts the archive into workFolder and returns that folder, or empty when the archive holds neither a
// font nor an archive (then nothing was touched). releaseList runs before the work folder is emptied.
std::u16string OpenArchive(const std::u16string& archive, const std::u16string& workFolder,
                           ArchiveExtractor& extractor, TProcedureClass& engine, FileServices& files,
                           const std::function<void()>& releaseList);

}  // namespace velura
