// The record lists the commands use beside the program's own.
#pragma once
#include "records/file_data.h"

namespace velura {

// The installed list the install loop adds its new records to. The commands never show it, so settling its
// names (a walk over every font Windows knows) is left out; the registry is reread as the loop expects.
class CliInstalledList final : public TFileData_installed {
 public:
  using TFileData_installed::TFileData_installed;
  void UpdateNames() override { Services().Registry.LoadFontsList(); }
};

// The names of the first face by the language priority (Japanese names first where the font has them).
TDisplayNames FirstFaceNames(const TFileDataItem& record, const TLanguagePriorityTable& priority);

// Adds the file's record with the display names of every face chosen by the language priority; null when
// the file is no font that can be read.
TFileDataItem* AddNamedRecord(TFileData_base& list, const std::u16string& path, const TLanguagePriorityTable& priority);

// Every family name of every face, in every language the name table has.
std::vector<std::u16string> AllFamilyNames(const TFontFileData& faces);

}  // namespace velura
