#include "cli/cli_commands.h"

#include "cli/install_command.h"
#include "platform/user_error.h"
#include "cli/uninstall_command.h"
#include "cli/verify_command.h"

namespace velura {

CliReport RunCliCommand(const CliArguments& args, CliServices& cli) {
  CliReport report;
  report.Command = args.Command;
  report.DryRun = args.DryRun;
  try {
    switch (args.Command) {
      case CliCommand::Install: RunInstallCommand(args, cli, report); break;
      case CliCommand::Uninstall: RunUninstallCommand(args, cli, report); break;
      case CliCommand::List: RunListCommand(args, cli, report); break;
      case CliCommand::Check: RunCheckCommand(args, cli, report); break;
      case CliCommand::Verify: RunVerifyCommand(args, cli, report); break;
      case CliCommand::Info: RunInfoCommand(args, cli, report); break;
    }
  } catch (const UserError& error) {
    report.Error = error.Message();
  }
  return report;
}

}  // namespace velura
