// velura-dump's archive modes: --list ARCHIVE and --extract DIR ARCHIVE, one JSON object per member.
#pragma once
#include <string>
#include <vector>

namespace velura {

// True when args ask for an archive mode (the first argument is --list or --extract).
bool IsArchiveCommand(const std::vector<std::u16string>& args);

// Exit status: 0 when the archive was read whole and every member the policy chose was written,
// 1 otherwise, 2 for a usage error.
int RunArchiveCommand(const std::vector<std::u16string>& args);

}  // namespace velura
