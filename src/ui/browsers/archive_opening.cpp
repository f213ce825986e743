#include "ui/browsers/archive_opening.h"

#include <algorithm>

#include "platform/text.h"
#include "records/reg_font_rules.h"

namespace velura {

namespace {

bool HasExtension(const std::u16string& name, std::initializer_list<std::u16string_view> extensions) {
  const auto dot = name.rfind(u'.');
  if (dot == std::u16string::npos) return false;
  const std::u16string extension = AsciiLower(std::u16string_view(name).substr(dot));
  return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

}  // namespace

bool IsFontFileName(const std::u16string& name) { return HasExtension(name, {u".ttf", u".ttc", u".otf"}); }

bool IsArchiveFileName(const std::u16string& name) { return HasExtension(name, {u".zip", u".cab", u".lzh"}); }

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
