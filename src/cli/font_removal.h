// Taking one installed font away, for uninstalling and for replacing it with a newer version.
#pragma once
#include <string>

#include "cli/cli_services.h"
#include "cli/installed_entries.h"
#include "platform/user_error.h"

namespace velura {

enum class RemovalOutcome { Deleted, Scheduled, Failed };

struct Removal {
  RemovalOutcome Outcome = RemovalOutcome::Failed;
  // The registry's error when the value could not be removed; with Scheduled, the file still goes at restart
  // and the value stays behind it (a value without its file, which verify --repair removes).
  std::u16string ValueError;
};

// Its session registration, its value, its file, in that order. The value is the one of the entry's name, or,
// when the entry has no name (an upgrade's older copy, whose name the new copy now holds), the one naming
// its file. A file that cannot be deleted now (another process holds it) is scheduled for deletion at
// restart before the value goes, so that the font either leaves completely or stays as it was: a file that
// can be neither deleted nor scheduled keeps its value and its registration. A file already missing only
// loses its value.
Removal RemoveInstalledFont(const InstalledEntry& entry, TRegFontData& registry, FontRegistrations& registrations,
                            FileServices& files, RestartDeletion& restart);

}  // namespace velura
