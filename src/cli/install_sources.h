// The font files an install names: files, folders (their top level, or every level with --recurse) and
// archives, which are extracted into the run's work folder by the browser's archive opening.
#pragma once
#include <string>
#include <vector>

#include "cli/cli_report.h"
#include "cli/cli_services.h"

namespace velura {

struct InstallSource {
  std::u16string Path;    // the font file to read (inside the work folder for an archive's fonts)
  std::u16string Origin;  // what the user named: the file itself, or the archive it came from
};

// Every font file the operands name, in the order given. Operands that name nothing usable (a missing path,
// a file that is neither a font nor an archive, an archive without fonts) are reported as failed items.
std::vector<InstallSource> CollectInstallSources(const std::vector<std::u16string>& operands, bool recurse,
                                                 CliServices& cli, CliReport& report);

}  // namespace velura
