// The registry-only removal with every registry call failed in turn: files never touched, no value but the
// ticked ones removed, and the list holding exactly the fonts that keep a value.
#include <gtest/gtest.h>

#include "../records/sweep_world.h"
#include "ui/browsers/installed_browser_rules.h"

namespace velura::testing {
namespace {

TEST(LoopSweeps, RegistryOnlyRemoval) {
  Sweep(LoopSweep<LoopWorld>{"RemoveRegistryEntriesOnly",
                             [](FaultPlan& plan) {
                               auto world = std::make_unique<LoopWorld>();
                               world->InstallMachineWide(u"keep.ttf", u"Keep", u"KEEP.TTF");
                               world->InstallMachineWide(u"a.ttf", u"Alpha", u"A.TTF");
                               world->InstallMachineWide(u"b.ttf", u"Beta", u"B.TTF");
                               world->InstallForUser(u"ukeep.ttf", u"UserKeep");
                               world->InstallForUser(u"ua.ttf", u"UserAlpha");
                               world->LoadInstalled();
                               world->Tick(*world->w.installed, {kFontsFolder + u"\\A.TTF", kFontsFolder + u"\\B.TTF",
                                                                 kUserFolder + u"\\ua.ttf"});
                               world->Attach(plan);
                               return world;
                             },
                             [](LoopWorld& world) {
                               std::vector<TFileDataItem*> records;
                               for (auto& r : world.w.installed->Items)
                                 if (r->Has(Selected)) records.push_back(r.get());
                               RemoveRegistryEntriesOnly(records, *world.w.installed, *world.w.registryData);
                             },
                             [](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
                               RecordWorld& w = world.w;
                               CheckNoFontFileLost(
                                   world.before, w.files, {kFontsFolder, kUserFolder},
                                   [](const std::u16string&) { return false; }, checks);
                               CheckValues(
                                   world.before, w.registry, w.files, kFontsFolder,
                                   [&](const std::u16string& file) { return world.WasTicked(file); }, checks);
                               CheckFailureReported(world, run, {}, checks);
                               CheckInstalledListAgrees(*w.installed, w.registry, w.files, kFontsFolder, checks);
                               checks.Expect(run.outcome.raised || w.installed->Count() == 2,
                                             "a ticked record kept its place although nothing failed");
                             }});
}

}  // namespace
}  // namespace velura::testing
