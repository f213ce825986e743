#include "cli/installed_entries.h"

#include "records/reg_font_rules.h"

namespace velura {

std::vector<InstalledEntry> InstalledEntriesOf(const TRegFontData& registry, CliScope scope) {
  std::vector<InstalledEntry> entries;
  const auto take = [&](const TRegDataArrray& values, bool perUser) {
    for (const TRegData& value : values)
      entries.push_back({value.ValueName, ResolveFontFile(value.File, registry.FontsFolder()), perUser});
  };
  if (scope != CliScope::User) take(registry.Fonts, false);
  if (scope != CliScope::Machine) take(registry.UserFonts, true);
  return entries;
}

std::vector<const InstalledEntry*> MatchInstalled(
    const std::vector<InstalledEntry>& entries, std::u16string_view name, const RegTextFolding& folding,
    const std::function<std::vector<std::u16string>(const InstalledEntry&)>& familiesOf) {
  std::vector<const InstalledEntry*> matches;
  const std::u16string wanted = folding.Lower(name);
  for (const InstalledEntry& entry : entries) {
    if (folding.Lower(entry.ValueName) == wanted || folding.Lower(StripValueSuffix(entry.ValueName)) == wanted ||
        folding.Lower(FileNamePart(entry.Path)) == wanted)
      matches.push_back(&entry);
  }
  if (!matches.empty() || !familiesOf) return matches;
  for (const InstalledEntry& entry : entries)
    for (const std::u16string& family : familiesOf(entry))
      if (folding.Lower(family) == wanted) {
        matches.push_back(&entry);
        break;
      }
  return matches;
}

}  // namespace velura
