// The upgrade of velura-cli install joins the loop sweeps: every call that changes the system, failed in
// turn, must leave the font installed in one version or the other and the report telling which.
#include <gtest/gtest.h>

#include "../records/fault_invariants.h"
#include "../records/fault_sweep.h"
#include "cli_world.h"

namespace velura::testing {
namespace {

const std::u16string kOld = kCliFonts + u"\\up.ttf";

struct UpgradeWorld {
  CliWorld w;
  SystemSnapshot before;
  CliReport report;
};

std::unique_ptr<UpgradeWorld> MakeUpgradeWorld(FaultPlan& plan, bool oldFileHeld) {
  auto world = std::make_unique<UpgradeWorld>();
  CliWorld& w = world->w;
  w.InstallMachineWide(u"up.ttf", u"Up", u"Version 1.0");
  w.e.files.MakeFolder(u"C:\\src");
  w.e.files.Put(u"C:\\src\\up.ttf", FontBytes(u"Up", u"Regular", u"Version 2.0"));
  w.e.files.Put(u"C:\\src\\new.ttf", FontBytes(u"New"));
  if (oldFileHeld) w.e.files.undeletable.insert(LowerAscii(kOld));
  w.Start();
  w.e.AttachFaults(plan);
  world->before = SystemSnapshot::Of(w.e.files, w.e.registry);
  return world;
}

void CheckUpgrade(UpgradeWorld& world, const SweepRun& run, InvariantChecks& checks) {
  CliWorld& w = world.w;
  const CliItem* up = w.ItemNamed(world.report, u"Up (TrueType)");
  checks.Expect(up != nullptr, "no report of the upgrade");
  if (!up) return;
  const bool upgraded = up->Action == CliAction::Upgraded;
  checks.Expect(upgraded || up->Action == CliAction::Failed, "neither upgraded nor failed");
  // The font stays installed: its value names an existing file, the new one exactly when it was upgraded.
  const std::optional<std::u16string> value = w.MachineValue(u"Up (TrueType)");
  checks.Expect(value && w.e.files.Has(ResolveFontFile(*value, kCliFonts)), "the font is no longer installed");
  if (value)
    checks.Expect((LowerAscii(ResolveFontFile(*value, kCliFonts)) != LowerAscii(kOld)) == upgraded,
                  "the value and the report disagree: " + ToUtf8(*value));
  // The old file goes only after an upgrade; staying, now or until a restart, is reported.
  const bool oldGone = !w.e.files.Has(kOld);
  checks.Expect(!oldGone || upgraded, "the old file is gone without an upgrade");
  if (upgraded && !oldGone)
    checks.Expect(w.restart.scheduled.count(LowerAscii(kOld)) ? up->RestartNeeded : up->Failure != CliFailure::None,
                  "the old file stayed unreported");
  const auto removedByUpgrade = [&](const std::u16string& file) { return upgraded && file == LowerAscii(kOld); };
  CheckNoFontFileLost(world.before, w.e.files, {kCliFonts}, removedByUpgrade, checks);
  CheckValues(world.before, w.e.registry, w.e.files, kCliFonts, removedByUpgrade, checks);
  // A failed call that changes the system shows in the report (a failed deletion check as a deletion at
  // restart), unless its result is ignored by design (a failed ClearAttributes shows only when the deletion
  // then fails, which is reported).
  if (run.plan.failed && !run.Faulted(CallKind::AddResource) && !run.Faulted(CallKind::RemoveResource) &&
      !run.Faulted(CallKind::Broadcast) && !run.Faulted(CallKind::ClearAttributes)) {
    bool reported = !world.report.Error.empty();
    for (const CliItem& item : world.report.Items)
      reported = reported || item.Action == CliAction::Failed || item.Failure != CliFailure::None || item.RestartNeeded;
    checks.Expect(reported, "the failure reached no report: " + Describe(run.plan));
  }
}

void SweepUpgrade(bool oldFileHeld) {
  CliArguments args;
  args.Command = CliCommand::Install;
  args.Scope = CliScope::Machine;
  args.Upgrade = true;
  args.Operands = {u"C:\\src"};
  Sweep(LoopSweep<UpgradeWorld>{oldFileHeld ? "velura-cli install --upgrade, old file held" : "velura-cli install --upgrade",
                                [&](FaultPlan& plan) { return MakeUpgradeWorld(plan, oldFileHeld); },
                                [&](UpgradeWorld& world) { world.report = world.w.Run(args); },
                                [](UpgradeWorld& world, const SweepRun& run, InvariantChecks& checks) {
                                  CheckUpgrade(world, run, checks);
                                }});
}

TEST(LoopSweeps, CliUpgrade) { SweepUpgrade(false); }
TEST(LoopSweeps, CliUpgradeOverHeldFile) { SweepUpgrade(true); }

}  // namespace
}  // namespace velura::testing
