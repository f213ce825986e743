// Uninstall, check and verify over the in-memory engine: what is refused and why, what waits for a restart.
#include <gtest/gtest.h>

#include "cli_world.h"
#include "support/sfnt_writer.h"

namespace velura::testing {
namespace {

CliArguments Command(CliCommand command, std::vector<std::u16string> operands, CliScope scope = CliScope::Default) {
  CliArguments args;
  args.Command = command;
  args.Scope = scope;
  args.Operands = std::move(operands);
  return args;
}

TEST(CliUninstall, RefusesProtectedSchedulesHeldAndMatchesAnyLanguage) {
  CliWorld w;
  w.InstallMachineWide(u"prot.ttf", u"Prot", u"1.0");
  w.e.registry.Add(kSubstitutesPath, u"MS Shell Dlg", RegValueKind::String, u"Prot");
  w.e.files.Put(kCliFonts + u"\\Marlett.ttf", FontBytes(u"Marlett"));
  w.e.registry.AddFont(u"Marlett (TrueType)", u"Marlett.ttf");
  w.InstallMachineWide(u"held.ttf", u"Held", u"1.0");
  w.e.files.undeletable.insert(LowerAscii(kCliFonts + u"\\held.ttf"));
  auto names = BasicNames(u"Kaku");
  for (auto& name : BasicNames(u"角ゴ", u"Regular", 0x0411)) names.push_back(name);
  w.e.files.Put(kCliFonts + u"\\kaku.ttf", SfntBuilder::Standard(names).Build());
  w.e.registry.AddFont(u"Kaku (TrueType)", u"KAKU.TTF");
  w.Start();

  const CliReport report =
      w.Run(Command(CliCommand::Uninstall, {u"Prot", u"marlett.ttf", u"Held (TrueType)", u"角ゴ", u"Nothing"}));
  const auto actionOf = [&](const std::u16string& name) {
    const CliItem* item = w.ItemNamed(report, name);
    return item ? item->Action : CliAction::None;
  };
  EXPECT_EQ(actionOf(u"Prot (TrueType)"), CliAction::Failed);
  EXPECT_EQ(actionOf(u"Marlett (TrueType)"), CliAction::Failed);
  EXPECT_EQ(actionOf(u"Nothing"), CliAction::Failed);
  EXPECT_EQ(actionOf(u"Held (TrueType)"), CliAction::Scheduled);
  EXPECT_EQ(actionOf(u"Kaku (TrueType)"), CliAction::Uninstalled);
  EXPECT_TRUE(w.MachineValue(u"Prot (TrueType)") && w.MachineValue(u"Marlett (TrueType)"));
  EXPECT_FALSE(w.MachineValue(u"Held (TrueType)"));
  EXPECT_TRUE(w.restart.scheduled.count(LowerAscii(kCliFonts + u"\\held.ttf")));
  EXPECT_FALSE(w.e.files.Has(kCliFonts + u"\\kaku.ttf"));
  EXPECT_EQ(ExitCodeOf(report), kExitFailed);
}

TEST(CliUninstall, MachineFontsNeedRightsAndCheckSeesMissingFiles) {
  CliWorld w;
  w.InstallMachineWide(u"a.ttf", u"Alpha", u"1.0");
  w.e.registry.AddFont(u"Gone (TrueType)", u"GONE.TTF");
  w.e.files.MakeFolder(u"C:");  // the drive is there: a missing file on it is gone, not out of reach
  w.Start().IsAdmin = false;

  EXPECT_EQ(ExitCodeOf(w.Run(Command(CliCommand::Uninstall, {u"Alpha"}))), kExitNeedsAdmin);
  EXPECT_EQ(ExitCodeOf(w.Run(Command(CliCommand::Uninstall, {u"Alpha"}, CliScope::Machine))), kExitNeedsAdmin);
  EXPECT_TRUE(w.MachineValue(u"Alpha (TrueType)"));
  EXPECT_EQ(ExitCodeOf(w.Run(Command(CliCommand::Check, {u"Alpha"}))), kExitOk);
  EXPECT_EQ(ExitCodeOf(w.Run(Command(CliCommand::Check, {u"Alpha", u"Gone"}))), kExitFailed);

  CliArguments repair = Command(CliCommand::Verify, {});
  repair.Repair = true;
  EXPECT_EQ(ExitCodeOf(w.Run(repair)), kExitNeedsAdmin);
  w.e.engine->IsAdmin = true;
  const CliReport repaired = w.Run(repair);
  EXPECT_EQ(ExitCodeOf(repaired), kExitOk);
  EXPECT_FALSE(w.MachineValue(u"Gone (TrueType)"));
  EXPECT_TRUE(w.MachineValue(u"Alpha (TrueType)"));
}

}  // namespace
}  // namespace velura::testing
