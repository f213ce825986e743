// velura-cli verify and info.
#pragma once
#include "cli/cli_arguments.h"
#include "cli/cli_report.h"
#include "cli/cli_services.h"

namespace velura {

// The registry against the font folders, machine-wide and the current user's: values whose file is missing
// (state "missing"; with --repair their values go, by the registry viewer's rule: a file on a network path or
// on a drive that is not there is left alone) and font files no value names (state "unregistered", reported
// only: Windows keeps some such files itself).
void RunVerifyCommand(const CliArguments& args, CliServices& cli, CliReport& report);

// Every face of every file with its names as the browsers show them.
void RunInfoCommand(const CliArguments& args, CliServices& cli, CliReport& report);

}  // namespace velura
