// The decisions of an install that need no system: the scope it writes to, what happens to a font already
// installed, and the file name an upgraded font gets.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "cli/cli_arguments.h"

namespace velura {

struct InstallScope {
  bool PerUser = false;
  std::u16string Error;     // not empty: nothing may be installed
  bool NeedsAdmin = false;  // the error is the want of administrator rights (exit code 5)
};

// --user: for the current user, wherever the system has per-user fonts. --machine: machine-wide, for an
// administrator only. Neither: what the engine decides (per user where it installs per user, else
// machine-wide, which then needs an administrator).
InstallScope DecideInstallScope(CliScope requested, bool isAdmin, bool installsPerUser, bool perUserAvailable);

enum class InstalledCopyChoice { Install, Skip, SkipOtherScope, SkipUpToDate, Upgrade };

// What becomes of a font given an installed copy (of its value name or file name): without --upgrade it is
// skipped; with it, a copy of the same scope and an older version (comparison < 0: installed older) is
// replaced, one of equal or newer version is up to date, and a copy of the other scope is left alone.
InstalledCopyChoice ChooseForInstalledCopy(bool installed, bool upgrade, bool sameScope, int installedVersusNew);

// The file name, of the form "stem-2.ttf", "stem-3.ttf", ..., that taken() refuses; the name itself when it
// is free. nullopt after 999 tries.
std::optional<std::u16string> FreeFileName(const std::u16string& name,
                                           const std::function<bool(const std::u16string&)>& taken);

}  // namespace velura
