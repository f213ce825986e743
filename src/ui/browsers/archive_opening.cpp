#include "ui/browsers/archive_opening.h"

#include <algorithm>

#include "records/font_file_names.h"
#include "records/reg_font_rules.h"

namespace velura {

bool OpensAsArchive(std::u16string_view path, bool isFolder) { return !isFolder && IsArchiveFileName(path); }

std::u16string OpenArchive(const std::u16string& archive, const std::u16string& workFolder,
                           ArchiveExtractor& extractor, TProcedureClass& engine, FileServices& files,
                           const std::function<void()>& releaseList) {
  if (archive.empty()) return {};
  // An archive of archives counts too: its fonts come out one level down.
  const std::vector<std::u16string> members = extractor.MemberNames(archive);
  if (std::none_of(members.begin(), members.end(),
                   [](const std::u16string& m) { return IsFontFileName(m) || IsArchiveFileName(m); }))
    return {};

  releaseList();
  engine.EmptyAndRemoveFolder(workFolder);
  files.CreateFolder(workFolder);
  extractor.ExtractAll(archive, workFolder);

  std::vector<std::u16string> fonts, nested;
  engine.ScanFolder(workFolder, fonts, &nested);
  const std::u16string inner = workFolder + u"\\temp";
  for (const auto& name : nested) {
    files.CreateFolder(inner);
    extractor.ExtractAll(workFolder + u"\\" + name, inner);
    std::vector<std::u16string> innerFonts;
    engine.ScanFolder(inner, innerFonts, nullptr);
    for (const auto& font : innerFonts) files.MoveNoReplace(font, workFolder + u"\\" + FileNamePart(font));
    engine.EmptyAndRemoveFolder(inner);
  }
  return workFolder;
}

}  // namespace velura
