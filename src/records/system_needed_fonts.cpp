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

SystemNeededLookup::SystemNeededLookup(const SystemNeededNames& needed, const RegTextFolding& folding)
    : folding_(folding), files_(needed.Files, folding), families_(needed.Families, folding) {}

bool SystemNeededLookup::IsNeeded(std::u16string_view fileName, const std::vector<std::u16string>& families) const {
  if (files_.Contains(fileName, folding_)) return true;
  for (const auto& family : families)
    if (!family.empty() && families_.Contains(family, folding_)) return true;
  return false;
}

}  // namespace velura
