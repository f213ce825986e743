// velura-cli uninstall, list and check: the installed fonts by value name, family name or file name.
#pragma once
#include "cli/cli_arguments.h"
#include "cli/cli_report.h"
#include "cli/cli_services.h"

namespace velura {

// Protected fonts are refused with the installed-font browser's reasons; a file another process holds is
// deleted at restart.
void RunUninstallCommand(const CliArguments& args, CliServices& cli, CliReport& report);

// One item per value: value name, full path, scope, state ("ok", "missing", "unreadable"), names, version.
void RunListCommand(const CliArguments& args, CliServices& cli, CliReport& report);

// Every name installed with its file present: items without an action; the others failed.
void RunCheckCommand(const CliArguments& args, CliServices& cli, CliReport& report);

}  // namespace velura
