#include "records/system_needed_fonts.h"

#include "records/reg_font_rules.h"

namespace velura {

SystemNeededNames NeededNamesOf(const SystemUiFontSources& sources) {
  SystemNeededNames needed;
  for (const auto* list : {&sources.ShellDialogSubstitutes, &sources.MetricsFaces})
    for (const auto& name : *list)
      if (!name.empty()) needed.Families.push_back(name);
  for (const auto& text : sources.SystemLinkLists) {
    auto files = SystemLinkFileNames(text);
    if (!files.empty()) needed.Files.push_back(std::move(files.front()));
  }
  return needed;
}

bool IsNeededBySystemUi(const SystemNeededNames& needed, std::u16string_view fileName,
                        const std::vector<std::u16string>& families, const RegTextFolding& folding) {
  if (ContainsIgnoringCase(needed.Files, fileName, folding)) return true;
  for (const auto& family : families)
    if (!family.empty() && ContainsIgnoringCase(needed.Families, family, folding)) return true;
  return false;
}

}  // namespace velura
