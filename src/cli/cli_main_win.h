// velura-cli's program entry: parses the command line, builds the engine on the real system, runs the
// command and prints its report.
#pragma once
#include <cstdint>
#include <optional>

namespace velura {

// What a test build of the executable may pretend about the system; the shipped executable passes none.
struct CliOverrides {
  std::optional<bool> IsAdmin;
  std::optional<std::uint32_t> WindowsBuild;
};

// The process's exit code: 0, 1, 2 (usage), 5 (administrator rights needed) or 3010 (restart completes it).
int RunCli(int argc, wchar_t** argv, const CliOverrides& overrides);

}  // namespace velura
