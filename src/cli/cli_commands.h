// One run of velura-cli: the parsed command carried out over the services, into one report.
#pragma once
#include "cli/cli_arguments.h"
#include "cli/cli_report.h"
#include "cli/cli_services.h"

namespace velura {

// Errors the engine raises (a registry that cannot be read or written) end up in the report, never thrown.
CliReport RunCliCommand(const CliArguments& args, CliServices& cli);

}  // namespace velura
