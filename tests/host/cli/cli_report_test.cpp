#include "cli/cli_report.h"

#include <gtest/gtest.h>

namespace velura {
namespace {

CliItem WithAction(CliAction action, CliFailure failure = CliFailure::None, bool restart = false) {
  CliItem item;
  item.Name = u"x";
  item.Action = action;
  item.Failure = failure;
  item.RestartNeeded = restart;
  return item;
}

TEST(CliReport, ExitCodeByPrecedence) {
  CliReport report;
  report.Add(WithAction(CliAction::Installed));
  report.Add(WithAction(CliAction::Skipped));
  EXPECT_EQ(ExitCodeOf(report), kExitOk);
  report.Add(WithAction(CliAction::Scheduled, CliFailure::None, true));
  EXPECT_EQ(ExitCodeOf(report), kExitRestart);
  report.DryRun = true;  // nothing was scheduled
  EXPECT_EQ(ExitCodeOf(report), kExitOk);
  report.DryRun = false;
  report.Add(WithAction(CliAction::Upgraded, CliFailure::Other));  // done in part
  EXPECT_EQ(ExitCodeOf(report), kExitFailed);
  report.Add(WithAction(CliAction::Failed, CliFailure::NeedsAdmin));
  EXPECT_EQ(ExitCodeOf(report), kExitNeedsAdmin);
}

TEST(CliReport, JsonKeepsStableFieldsAndEscapes) {
  CliReport report;
  report.Command = CliCommand::Uninstall;
  CliItem item = WithAction(CliAction::Failed);
  item.Name = u"源ノ \"角\" (TrueType)";
  item.File = u"C:\\Fonts\\a.ttf";
  item.Scope = u"user";
  item.Reason = u"使用中";
  report.Add(item);
  EXPECT_EQ(ReportJson(report),
            "{\"command\":\"uninstall\",\"dryRun\":false,\"exitCode\":1,\"items\":[{\"name\":\"源ノ \\\"角\\\" "
            "(TrueType)\",\"file\":\"C:\\\\Fonts\\\\a.ttf\",\"scope\":\"user\",\"action\":\"failed\",\"reason\":"
            "\"使用中\"}]}\n");
}

}  // namespace
}  // namespace velura
