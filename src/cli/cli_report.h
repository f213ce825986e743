// What a command reports: one item per font, value or file it looked at, the exit code they add up to, and
// the two ways of printing them (Japanese lines for people, one JSON document for scripts).
#pragma once
#include <string>
#include <vector>

#include "cli/cli_arguments.h"

namespace velura {

// None: an item that only describes (list, info, verify).
enum class CliAction { None, Installed, Upgraded, Skipped, Failed, Uninstalled, Scheduled, Repaired };

// Why an item failed, as far as the exit code cares; Other also marks an action done only in part (an upgrade
// whose older file stayed).
enum class CliFailure { None, Other, NeedsAdmin };

struct CliItem {
  std::u16string Name;      // registry value name, or the operand as given
  std::u16string File;      // full path
  std::u16string Scope;     // u"machine", u"user" or empty
  std::u16string State;     // list/verify: u"ok", u"missing", u"unreadable", u"unregistered"
  std::u16string Family;
  std::u16string FullName;
  std::u16string Version;
  std::u16string Subfamily;  // info only
  int Face = -1;             // info: the face's index in its file
  CliAction Action = CliAction::None;
  CliFailure Failure = CliFailure::None;
  std::u16string Reason;
  bool RestartNeeded = false;  // a file is deleted when Windows restarts
};

struct CliReport {
  CliCommand Command = CliCommand::List;
  bool DryRun = false;
  std::vector<CliItem> Items;
  // A failure of the whole command (no rights, a registry error); printed and counted like a failed item.
  std::u16string Error;
  bool ErrorNeedsAdmin = false;

  CliItem& Add(CliItem item) {
    Items.push_back(std::move(item));
    return Items.back();
  }
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNeedsAdmin = 5;
inline constexpr int kExitRestart = 3010;

// 5 when administrator rights were missing, else 1 when anything failed, else 3010 when a restart completes
// the work, else 0.
int ExitCodeOf(const CliReport& report);

// The JSON spelling of an action ("installed", ...); empty for None.
const char* ActionName(CliAction action);

// One UTF-8 JSON document: {"command", "dryRun", "exitCode", "error"?, "items": [...]}.
std::string ReportJson(const CliReport& report);

// The line a person reads for one item, without a line break.
std::u16string HumanLine(CliCommand command, const CliItem& item, bool dryRun);

}  // namespace velura
