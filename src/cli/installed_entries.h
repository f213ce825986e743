// The installed fonts as the commands address them: one entry per Fonts value of the chosen scopes, and
// which entries a name given on the command line means.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_arguments.h"
#include "records/reg_font_data.h"

namespace velura {

struct InstalledEntry {
  std::u16string ValueName;
  std::u16string Path;  // the value's file, resolved in the fonts folder
  bool PerUser = false;
};

// Machine-wide values first (unless scope is User), then the current user's (unless scope is Machine).
std::vector<InstalledEntry> InstalledEntriesOf(const TRegFontData& registry, CliScope scope);

inline std::u16string ScopeName(bool perUser) { return perUser ? u"user" : u"machine"; }

// The entries a name means: those whose value name is the name (with or without its " (TrueType)" suffix)
// or whose file name is the name; when none is, those with a face of that family name in any language
// (familiesOf reads them from the file, so only then are the files read). Case is ignored.
std::vector<const InstalledEntry*> MatchInstalled(
    const std::vector<InstalledEntry>& entries, std::u16string_view name, const RegTextFolding& folding,
    const std::function<std::vector<std::u16string>(const InstalledEntry&)>& familiesOf);

}  // namespace velura
