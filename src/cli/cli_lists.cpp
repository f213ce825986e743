#include "cli/cli_lists.h"

namespace velura {

TDisplayNames FirstFaceNames(const TFileDataItem& record, const TLanguagePriorityTable& priority) {
  TDisplayNames names;
  if (record.Faces.empty()) return names;
  names.DisplayFamilyName = record.Faces[0].FamilyName;
  names.DisplayFullName = record.Faces[0].FullName;
  ChooseDisplayNames(record.Faces[0], priority, names);
  return names;
}

TFileDataItem* AddNamedRecord(TFileData_base& list, const std::u16string& path, const TLanguagePriorityTable& priority) {
  TFileDataItem* record = list.AddFontFile(path);
  if (!record) return nullptr;
  for (std::size_t face = 0; face < record->Faces.size(); ++face) {
    record->DisplayNames[face].DisplayFamilyName = record->Faces[face].FamilyName;
    record->DisplayNames[face].DisplayFullName = record->Faces[face].FullName;
  }
  ChooseDisplayNames(record->Faces, record->DisplayNames, priority);
  return record;
}

std::vector<std::u16string> AllFamilyNames(const TFontFileData& faces) {
  std::vector<std::u16string> names;
  for (const TTFontFileData& face : faces) {
    names.push_back(face.FamilyName);
    for (const TNameCountryRecord& language : face.Languages) names.push_back(language.FamilyName);
  }
  return names;
}

}  // namespace velura
