#include "archive/archiver_errors.h"

#include <vector>

namespace velura {

std::u16string FormatArchiverText(std::u16string_view pattern, std::initializer_list<std::u16string_view> args) {
  const std::vector<std::u16string_view> values(args);
  std::u16string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    // "%N:s" with a single digit: the only form the texts use.
    if (pattern[i] == u'%' && i + 3 < pattern.size() && pattern[i + 1] >= u'0' && pattern[i + 1] <= u'9' &&
        pattern[i + 2] == u':' && pattern[i + 3] == u's') {
      const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - u'0');
      if (index < values.size()) {
        out += values[index];
        i += 3;
        continue;
      }
    }
    out.push_back(pattern[i]);
  }
  return out;
}

ENoArchiverDLL NoLibraryError(const ArchiverInfo& info) {
  if (info.type == atZip) return ENoArchiverDLL(std::u16string(kTextNoZipExtractor));
  const std::u16string_view library = info.libraries.empty() ? info.className : info.libraries.front();
  return ENoArchiverDLL(FormatArchiverText(kTextNoLibrary, {info.description, library}));
}

EEntryNotFound NoEntryError(const ArchiverInfo& info, std::u16string_view modulePath, std::u16string_view entry) {
  if (info.type == atZip) return EEntryNotFound(FormatArchiverText(kTextNoZipEntry, {entry}));
  return EEntryNotFound(FormatArchiverText(kTextNoEntry, {modulePath, entry}));
}

}  // namespace velura
