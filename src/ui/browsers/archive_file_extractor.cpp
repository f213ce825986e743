#include "ui/browsers/archive_file_extractor.h"

#include "archive/archive_file.h"
#include "platform/user_error.h"

namespace velura {

std::vector<std::u16string> ArchiveFileExtractor::MemberNames(const std::u16string& archive) {
  TArchiveFile file(window_, host_);
  file.SetFileName(archive);
  std::vector<std::u16string> names;
  if (file.Open(window_, 0)) return names;  // true: not opened
  ArchiverMemberInfo info;
  for (int result = file.FindFirst(u"*.*", info); result == 0; result = file.FindNext(info))
    names.push_back(info.fileName);
  file.Close();
  return names;
}

void ArchiveFileExtractor::ExtractAll(const std::u16string& archive, const std::u16string& folder) {
  try {
    TArchiveFile file(window_, host_);
    file.SetFileName(archive);
    TArchiverOptions& options = file.Options();
    options.w = folder;
    options.x = 0;
    options.jse = 0;
    options.jso = 1;
    options.jyo = 1;
    options.gyo = 1;
    file.Extract(window_, nullptr, {u""}, folder);
  } catch (const UserError&) {
    // Whatever could be extracted is shown; extraction failures are not reported.
  }
}

}  // namespace velura
