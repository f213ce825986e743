// Every call that changes the system, failed in turn, in each loop that installs, uninstalls or copies:
// nothing lost, nothing reported as done that was not, the lists agreeing with the system afterwards.
#include <gtest/gtest.h>

#include <algorithm>

#include "records/long_operations.h"
#include "sweep_world.h"

namespace velura::testing {
namespace {

// ---- Install ----

struct InstallCase {
  const char* name;
  std::u16string sourceFolder;
  std::u16string destination;
  bool copyFiles;
};

std::unique_ptr<LoopWorld> InstallWorld(FaultPlan& plan, const InstallCase& c) {
  auto world = std::make_unique<LoopWorld>();
  world->InstallMachineWide(u"old.ttf", u"Old", u"OLD.TTF");
  world->LoadInstalled();
  std::vector<std::u16string> paths;
  // Copying: a file whose copy is refused comes first, so that its failure is collected before any other.
  if (c.copyFiles) {
    paths.push_back(world->w.AddFont(u"refused.ttf", u"Refused", u"Regular", 0, c.sourceFolder));
    world->w.files.refusedTargets.insert(LowerAscii(c.destination + u"\\refused.ttf"));
  }
  paths.push_back(world->w.AddFont(u"a.ttf", u"Alpha", u"Regular", 0, c.sourceFolder));
  paths.push_back(world->w.AddFont(u"b.ttf", u"Beta", u"Bold", 0, c.sourceFolder));
  // ... and one whose name an installed file has already.
  if (c.copyFiles) paths.push_back(world->w.AddFont(u"old.ttf", u"Other", u"Regular", 0, c.sourceFolder));
  world->LoadLocal(paths);
  for (const auto& path : paths) world->Tick(*world->w.local, {path});
  world->Attach(plan);
  return world;
}

void CheckInstall(LoopWorld& world, const SweepRun& run, const InstallCase& c, bool perUser, InvariantChecks& checks) {
  RecordWorld& w = world.w;
  CheckNoFontFileLost(
      world.before, w.files, {kFontsFolder, kUserFolder, c.sourceFolder}, [](const std::u16string&) { return false; },
      checks);
  CheckValues(
      world.before, w.registry, w.files, kFontsFolder, [](const std::u16string&) { return false; }, checks);
  // A failed read may go unreported (restoring the current folder) or keep an installed copy out of the list
  // until the list is reloaded (reading the copy); nothing is lost either way.
  const bool readFailed = run.Faulted(CallKind::Read);
  // The results of swapping the registrations and of the broadcast are not looked at.
  if (!readFailed)
    CheckFailureReported(world, run, {CallKind::AddResource, CallKind::RemoveResource, CallKind::Broadcast}, checks);
  // A record marked installed has its value, naming the installed file; one not installed stays ticked.
  const FakeKeyData& key = w.registry.keys[perUser ? kUserFontsId : kFontsPath];
  for (const auto& r : w.local->Items) {
    if (!world.WasTicked(LowerAscii(r->Path))) continue;
    const std::u16string target = LowerAscii(c.destination + u"\\" + FileNamePart(r->Path));
    const std::u16string name = RegistryValueName(*r);
    bool valued = false;
    for (const auto& [n, v] : key.values) valued = valued || (n == name && ValueFile(v.Text, kFontsFolder) == target);
    if (r->Has(InstalledNow)) {
      checks.Expect(valued && w.files.Has(target), "installed without value or file: " + ToUtf8(r->Path));
      checks.Expect(!r->Has(Selected), "installed and still ticked: " + ToUtf8(r->Path));
    } else {
      checks.Expect(r->Has(Selected), "not installed and no longer ticked: " + ToUtf8(r->Path));
    }
  }
  // The refused copy, once tried, reaches its message whatever ends the run.
  const std::u16string refused = c.sourceFolder + u"\\refused.ttf";
  if (c.copyFiles &&
      std::count(w.files.copies.begin(), w.files.copies.end(), refused + u" -> " + c.destination + u"\\refused.ttf"))
    checks.Expect(Shown(w.messages, refused, u"コピーエラー"), "the refused copy went unreported");
  if (readFailed) return;
  CheckInstalledListAgrees(*w.installed, w.registry, w.files, kFontsFolder, checks);
  if (!run.outcome.raised) checks.Expect(w.files.currentDirectory == u"C:\\start", "current folder not restored");
}

std::string InstallCaseId(const ::testing::TestParamInfo<InstallCase>& info) {
  static const char* const ids[] = {"CopyingIntoFontsFolder", "CopyingElsewhere", "InPlaceInFontsFolder",
                                    "InPlaceElsewhere"};
  return ids[info.index];
}

class InstallSweep : public ::testing::TestWithParam<InstallCase> {};

TEST_P(InstallSweep, EveryFailedCallLeavesNothingLostOrMisreported) {
  const InstallCase c = GetParam();
  Sweep(LoopSweep<LoopWorld>{std::string("RunInstall ") + c.name,
                             [&](FaultPlan& plan) { return InstallWorld(plan, c); },
                             [&](LoopWorld& world) {
                               RunInstall(world.w.loop, world.progress, *world.w.local, *world.w.installed,
                                          c.destination, c.copyFiles, *world.w.registryData);
                             },
                             [&](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
                               CheckInstall(world, run, c, false, checks);
                             }});
}

INSTANTIATE_TEST_SUITE_P(
    Loops, InstallSweep,
    ::testing::Values(InstallCase{"copying into the fonts folder", u"C:\\fonts", kFontsFolder, true},
                      InstallCase{"copying into another folder", u"C:\\fonts", u"D:\\Keep", true},
                      InstallCase{"in place in the fonts folder", kFontsFolder, kFontsFolder, false},
                      InstallCase{"in place in another folder", u"D:\\Keep", u"D:\\Keep", false}),
    InstallCaseId);

// Reads failing as well: the registry reread after the loop may fail, and what failed before it is still
// reported.
TEST(LoopSweeps, InstallWithReadsFailingToo) {
  const InstallCase c{"copying into the fonts folder, reads failing too", u"C:\\fonts", kFontsFolder, true};
  LoopSweep<LoopWorld> sweep{std::string("RunInstall ") + c.name,
                             [&](FaultPlan& plan) { return InstallWorld(plan, c); },
                             [&](LoopWorld& world) {
                               RunInstall(world.w.loop, world.progress, *world.w.local, *world.w.installed,
                                          c.destination, c.copyFiles, *world.w.registryData);
                             },
                             [&](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
                               CheckInstall(world, run, c, false, checks);
                             }};
  sweep.faultReads = true;
  Sweep(sweep);
}

TEST(LoopSweeps, InstallForUser) {
  const InstallCase c{"for the user", u"C:\\fonts", kUserFolder, true};
  Sweep(LoopSweep<LoopWorld>{"RunInstallForUser",
                             [&](FaultPlan& plan) {
                               auto world = InstallWorld(plan, c);
                               world->w.files.folders.erase(
                                   LowerAscii(kUserFolder));  // a user who never installed a font alone
                               world->before = SystemSnapshot::Of(world->w.files, world->w.registry);
                               return world;
                             },
                             [&](LoopWorld& world) {
                               RunInstallForUser(world.w.loop, world.progress, *world.w.local, *world.w.installed,
                                                 kUserFolder, *world.w.registryData);
                             },
                             [&](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
                               CheckInstall(world, run, c, true, checks);
                             }});
}

// ---- Uninstall ----

// Three plain files, a read-only one and one that stays locked, machine-wide and for the user each, one font
// of each kind left unticked; the locked file comes last so that it is kept before any fault.
std::unique_ptr<LoopWorld> UninstallWorld(FaultPlan& plan) {
  auto world = std::make_unique<LoopWorld>();
  RecordWorld& w = world->w;
  world->InstallMachineWide(u"keep.ttf", u"Keep", u"KEEP.TTF");
  world->InstallMachineWide(u"a.ttf", u"Alpha", u"A.TTF");
  world->InstallMachineWide(u"ro.ttf", u"ReadOnly", u"RO.TTF");
  world->InstallMachineWide(u"locked.ttf", u"Locked", u"LOCKED.TTF");
  world->InstallForUser(u"ukeep.ttf", u"UserKeep");
  world->InstallForUser(u"ua.ttf", u"UserAlpha");
  world->InstallForUser(u"uro.ttf", u"UserReadOnly");
  world->InstallForUser(u"ulocked.ttf", u"UserLocked");
  w.files.files[LowerAscii(kFontsFolder + u"\\ro.ttf")].attributes = 1;
  w.files.files[LowerAscii(kUserFolder + u"\\uro.ttf")].attributes = 1;
  w.files.undeletable.insert(LowerAscii(kFontsFolder + u"\\locked.ttf"));
  w.files.undeletable.insert(LowerAscii(kUserFolder + u"\\ulocked.ttf"));
  world->LoadInstalled();
  // Both kinds ticked: each loop must leave the other kind's records alone.
  world->Tick(*w.installed, {kFontsFolder + u"\\a.ttf", kFontsFolder + u"\\ro.ttf", kFontsFolder + u"\\locked.ttf",
                             kUserFolder + u"\\ua.ttf", kUserFolder + u"\\uro.ttf", kUserFolder + u"\\ulocked.ttf"});
  world->Attach(plan);
  return world;
}

constexpr std::u16string_view kNotDeletedCaption = u"削除失敗の確認";

// kinds: the folders of the kinds of font the run uninstalls (the fonts folder, the user's, or both).
void CheckUninstall(LoopWorld& world, const SweepRun& run, const std::vector<std::u16string>& kinds,
                    InvariantChecks& checks) {
  RecordWorld& w = world.w;
  // A file that does not open for deletion keeps its value. Only a deletion failing after the file did open
  // for it (what no check can rule out) leaves a file without its value, and that is reported.
  const auto reportedNotDeleted = [&](const std::u16string& path) {
    const auto& failed = run.plan.failed;
    const bool deletionFailed = failed &&
                                (failed->kind == CallKind::Delete || failed->kind == CallKind::ClearAttributes) &&
                                LowerAscii(failed->subject) == LowerAscii(path);
    return deletionFailed && Shown(w.messages, path, kNotDeletedCaption);
  };
  // Removed: ticked, of the run's kind, and gone from the list.
  const auto removedAsAsked = [&](const std::u16string& lower) {
    bool ofThisKind = false;
    for (const auto& folder : kinds) ofThisKind = ofThisKind || IsDirectlyIn(lower, folder);
    return world.WasTicked(lower) && ofThisKind && !world.Listed(lower);
  };
  CheckNoFontFileLost(world.before, w.files, {kFontsFolder, kUserFolder}, removedAsAsked, checks);
  CheckValues(world.before, w.registry, w.files, kFontsFolder, reportedNotDeleted, checks);
  // A failed ClearAttributes shows only when the delete then fails, which is reported. A failed read of the
  // current user's key reads as a user without per-user fonts, by design.
  if (!run.Faulted(CallKind::Read))
    CheckFailureReported(
        world, run, {CallKind::RemoveResource, CallKind::AddResource, CallKind::Broadcast, CallKind::ClearAttributes},
        checks);
  // The files that stay because they would not open for deletion are still listed and named in a report.
  for (const auto& path : world.ticked) {
    const std::u16string lower = LowerAscii(path);
    const bool refused = w.files.undeletable.count(lower) ||
                         (run.Faulted(CallKind::DeleteCheck) && LowerAscii(run.plan.failed->subject) == lower);
    if (!refused || !w.files.Has(path)) continue;
    bool ofThisKind = false;
    for (const auto& folder : kinds) ofThisKind = ofThisKind || IsDirectlyIn(lower, folder);
    if (!ofThisKind) continue;
    checks.Expect(world.Listed(lower), "a file that stays left the list: " + ToUtf8(path));
    checks.Expect(run.outcome.raised || Shown(w.messages, path, kNotDeletedCaption),
                  "a file kept for not opening for deletion went unreported: " + ToUtf8(path));
  }
  // A record gone from the list is uninstalled: its file gone or reported as left behind.
  for (const auto& path : world.ticked) {
    const std::u16string lower = LowerAscii(path);
    if (world.Listed(lower)) continue;
    checks.Expect(removedAsAsked(lower), "a record of the other kind left the list: " + ToUtf8(path));
    checks.Expect(!w.files.Has(path) || reportedNotDeleted(path), "left behind unreported: " + ToUtf8(path));
  }
  CheckInstalledListAgrees(*w.installed, w.registry, w.files, kFontsFolder, checks);
}

TEST(LoopSweeps, UninstallMachineWide) {
  Sweep(LoopSweep<LoopWorld>{"RunUninstall", [](FaultPlan& plan) { return UninstallWorld(plan); },
                             [](LoopWorld& world) { RunUninstall(world.w.loop, world.progress, *world.w.installed); },
                             [](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
                               CheckUninstall(world, run, {kFontsFolder}, checks);
                             }});
}

// Reads failing as well: the registry is reread between deletions and at the end.
TEST(LoopSweeps, UninstallWithReadsFailingToo) {
  for (const bool perUser : {false, true}) {
    LoopSweep<LoopWorld> sweep{perUser ? "RunUninstallForUser, reads failing too" : "RunUninstall, reads failing too",
                               [](FaultPlan& plan) { return UninstallWorld(plan); },
                               [perUser](LoopWorld& world) {
                                 if (perUser) RunUninstallForUser(world.w.loop, world.progress, *world.w.installed);
                                 else RunUninstall(world.w.loop, world.progress, *world.w.installed);
                               },
                               [perUser](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
                                 CheckUninstall(world, run, {perUser ? kUserFolder : kFontsFolder}, checks);
                               }};
    sweep.faultReads = true;
    Sweep(sweep);
  }
}

TEST(LoopSweeps, UninstallForUser) {
  Sweep(LoopSweep<LoopWorld>{
      "RunUninstallForUser", [](FaultPlan& plan) { return UninstallWorld(plan); },
      [](LoopWorld& world) { RunUninstallForUser(world.w.loop, world.progress, *world.w.installed); },
      [](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
        CheckUninstall(world, run, {kUserFolder}, checks);
      }});
}

// The installed browser's command: the machine-wide loop, then, unless stopped, the per-user one.
TEST(LoopSweeps, UninstallBothKindsAsTheInstalledBrowserDoes) {
  Sweep(LoopSweep<LoopWorld>{"RunUninstall and RunUninstallForUser",
                             [](FaultPlan& plan) { return UninstallWorld(plan); },
                             [](LoopWorld& world) {
                               RunUninstall(world.w.loop, world.progress, *world.w.installed);
                               if (!world.w.loop.StopRequested)
                                 RunUninstallForUser(world.w.loop, world.progress, *world.w.installed);
                             },
                             [](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
                               CheckUninstall(world, run, {kFontsFolder, kUserFolder}, checks);
                             }});
}

// ---- Copy ----

struct CopyWorld {
  RecordWorld w;
  FakeProgress progress{&w.loop};
  SystemSnapshot before;
  std::vector<std::u16string> sources;
  int notCopied = -1;
};

TEST(LoopSweeps, CopyOfFiles) {
  const std::u16string destination = u"D:\\Copies";
  Sweep(LoopSweep<CopyWorld>{
      "RunCopy",
      [&](FaultPlan& plan) {
        auto world = std::make_unique<CopyWorld>();
        for (const auto* name : {u"a.ttf", u"b.ttf", u"c.ttf"})
          world->sources.push_back(world->w.AddFont(name, name, u"Regular", 0, kFontsFolder));
        world->w.files.MakeFolder(destination);
        world->w.files.Put(destination + u"\\b.ttf", Bytes(16, 7));  // an older copy, overwritten
        world->w.AttachFaults(plan);
        world->before = SystemSnapshot::Of(world->w.files, world->w.registry);
        return world;
      },
      [&](CopyWorld& world) {
        world.notCopied = RunCopy(world.w.loop, world.progress, world.w.files, destination, world.sources);
      },
      [&](CopyWorld& world, const SweepRun& run, InvariantChecks& checks) {
        CheckNoFontFileLost(
            world.before, world.w.files, {kFontsFolder}, [](const std::u16string&) { return false; }, checks);
        // The count the caller reports is the number of sources whose copy is not there.
        int missing = 0;
        for (const auto& source : world.sources) {
          const std::u16string copy = destination + u"\\" + FileNamePart(source);
          if (!world.w.files.Has(copy) || world.w.files.BytesOf(copy) != world.w.files.BytesOf(source)) ++missing;
        }
        checks.Expect(world.notCopied == missing, "count of files not copied: " + std::to_string(world.notCopied) +
                                                      ", missing " + std::to_string(missing));
        checks.Expect(missing == (run.Faulted(CallKind::Copy) ? 1 : 0), "a copy failed unasked or went unfailed");
        // The older copy is either kept or replaced, never removed.
        checks.Expect(world.w.files.Has(destination + u"\\b.ttf"), "the older copy was lost");
      }});
}

// ---- Loading ----

// Loading registers each file for its samples and broadcasts once; nothing is written.
TEST(LoopSweeps, LoadingForPreview) {
  Sweep(LoopSweep<LoopWorld>{
      "RunLoadFiles",
      [](FaultPlan& plan) {
        auto world = std::make_unique<LoopWorld>();
        world->InstallMachineWide(u"old.ttf", u"Old", u"OLD.TTF");
        world->LoadInstalled();
        world->w.AddFont(u"a.ttf", u"Alpha");
        world->w.AddFont(u"b.ttf", u"Beta", u"Bold");
        world->Attach(plan);
        return world;
      },
      [](LoopWorld& world) {
        RunLoadFiles(world.w.loop, world.progress, {u"C:\\fonts\\a.ttf", u"C:\\fonts\\b.ttf"}, *world.w.local, true);
      },
      [](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
        RecordWorld& w = world.w;
        CheckNoFontFileLost(
            world.before, w.files, {kFontsFolder, u"C:\\fonts"}, [](const std::u16string&) { return false; }, checks);
        CheckValues(
            world.before, w.registry, w.files, kFontsFolder, [](const std::u16string&) { return false; }, checks);
        checks.Expect(w.local->Count() == 2, "a file was not loaded");
        checks.Expect(w.messages.empty(), "a failed registration was reported as unreadable");
        // What the list knows of each registration is what Windows holds, so that releasing it later is right.
        for (const auto& r : w.local->Items) {
          const bool registered = w.fonts.registered.count(LowerAscii(r->Path)) != 0;
          checks.Expect((r->PreviewFontCount > 0) == registered, "preview count disagrees: " + ToUtf8(r->Path));
        }
        checks.Expect(w.fonts.broadcasts == (run.Faulted(CallKind::Broadcast) ? 0 : 1), "broadcast count");
      }});
}

// Releasing the previews when the browser closes: a registration that cannot be removed lasts until the
// user logs off (its result is not looked at); the list is emptied and installed files keep theirs.
TEST(LoopSweeps, ReleaseOfPreviews) {
  struct Bar : BarProgress {
    void Open() override {}
    void Close() override {}
    void SetMaximum(int) override {}
    void SetPosition(int) override {}
  };
  Sweep(LoopSweep<LoopWorld>{
      "ReleaseAll",
      [](FaultPlan& plan) {
        auto world = std::make_unique<LoopWorld>();
        world->InstallMachineWide(u"old.ttf", u"Old", u"OLD.TTF");
        world->LoadInstalled();
        world->w.fonts.registered.insert(LowerAscii(kFontsFolder + u"\\old.ttf"));
        world->LoadLocal({world->w.AddFont(u"a.ttf", u"Alpha"), world->w.AddFont(u"b.ttf", u"Beta", u"Bold"),
                          kFontsFolder + u"\\old.ttf"});
        world->Attach(plan);
        return world;
      },
      [](LoopWorld& world) {
        Bar bar;
        ReleaseAll(*world.w.local, bar);
      },
      [](LoopWorld& world, const SweepRun& run, InvariantChecks& checks) {
        RecordWorld& w = world.w;
        CheckNoFontFileLost(
            world.before, w.files, {kFontsFolder, u"C:\\fonts"}, [](const std::u16string&) { return false; }, checks);
        CheckValues(
            world.before, w.registry, w.files, kFontsFolder, [](const std::u16string&) { return false; }, checks);
        checks.Expect(w.local->Count() == 0, "the list was not emptied");
        checks.Expect(w.fonts.registered.count(LowerAscii(kFontsFolder + u"\\old.ttf")) == 1,
                      "an installed font lost its registration");
        const bool removalFailed = run.Faulted(CallKind::RemoveResource);
        checks.Expect(w.fonts.registered.size() == (removalFailed ? 2u : 1u), "a preview registration stayed");
      }});
}

}  // namespace
}  // namespace velura::testing
