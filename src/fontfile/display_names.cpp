#include "fontfile/display_names.h"

namespace velura {

void ChooseDisplayNames(const TTFontFileData& face, const TLanguagePriorityTable& priority, TDisplayNames& display) {
  std::size_t best = priority.size();  // none yet
  for (const TNameCountryRecord& entry : face.Languages) {
    for (std::size_t j = 0; j < best; ++j) {
      if (priority[j].LanguageId != entry.LanguageId) continue;
      if (display.SystemNamed) {
        display.DisplayFullName = face.FullName;
        display.DisplayFamilyName = face.FamilyName;
      } else if (entry.FullName.find(u"未対応のエンコード") != std::u16string::npos) {
        display.DisplayFullName = face.FullName;
        display.DisplayFamilyName = face.FamilyName;
        best = j;
      } else {
        display.DisplayFullName = entry.FullName.empty() ? face.FullName : entry.FullName;
        display.DisplayFamilyName = entry.FamilyName.empty() ? face.FamilyName : entry.FamilyName;
        best = j;
      }
      break;
    }
  }
}

}  // namespace velura
