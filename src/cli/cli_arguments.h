// The command line of velura-cli: the command, its options and its operands, parsed without the system.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace velura {

enum class CliCommand { Install, Uninstall, List, Check, Verify, Info };
// Default: the program decides (install: per user when the system says so; the others: both scopes).
enum class CliScope { Default, User, Machine, All };

struct CliArguments {
  CliCommand Command = CliCommand::List;
  CliScope Scope = CliScope::Default;
  bool Upgrade = false;
  bool Recurse = false;
  bool DryRun = false;
  bool Json = false;
  bool Repair = false;
  std::u16string LogFile;  // empty: no log
  std::vector<std::u16string> Operands;
};

// Either the arguments or the reason they are refused (a usage error, exit code 2).
struct CliParse {
  std::optional<CliArguments> Arguments;
  std::u16string Error;
};

// args: the words after the program's name. Options may stand anywhere; "--" ends them.
CliParse ParseCliArguments(const std::vector<std::u16string>& args);

// The usage text shown with a usage error and for "--help".
std::u16string UsageText();

// The command's name as the JSON document and the usage text spell it.
const char* CommandName(CliCommand command);

}  // namespace velura
