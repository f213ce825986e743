// velura-cli install: the font files, folders and archives named, installed by the program's install loop.
#pragma once
#include "cli/cli_arguments.h"
#include "cli/cli_report.h"
#include "cli/cli_services.h"

namespace velura {

void RunInstallCommand(const CliArguments& args, CliServices& cli, CliReport& report);

}  // namespace velura
