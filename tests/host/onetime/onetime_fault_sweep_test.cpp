// The one-time registration switch with every call that changes the system failing in turn. Nothing on disk
// or in the registry may change; the records, the groups' flags and the session's registrations must agree,
// and a registration Windows refused shows as a font that cannot be displayed.
#include <gtest/gtest.h>

#include <algorithm>

#include "../records/engine_world.h"
#include "../records/fault_invariants.h"
#include "../records/record_world.h"
#include "records/long_operations.h"
#include "ui/onetime/onetime_registration.h"

namespace velura::testing {
namespace {

class QuietBar final : public BarProgress {
 public:
  void SetMaximum(int) override {}
  void SetPosition(int) override {}
};

struct OneTimeWorld {
  explicit OneTimeWorld(FaultPlan& plan) {
    engine = &world.Make();
    world.files.MakeFolder(world.engine->FontsFolder);
    world.files.MakeFolder(u"C:\\g");
    world.files.MakeFolder(u"C:\\g\\sub");
    Font(u"C:\\g\\a.ttf", u"A");
    Font(u"C:\\g\\inst.ttf", u"Inst");
    world.registry.AddFont(u"Inst (TrueType)", u"inst.ttf");
    world.fonts.systemFamilies.push_back({u"Inst", 0, 2});
    world.files.Put(u"C:\\g\\bad.ttf", Bytes(32, 7));
    Font(u"C:\\g\\sub\\b.ttf", u"B");
    Font(u"C:\\g\\sub\\c.otf", u"C");
    engine->RegData().LoadFontsList();

    parent = &groups.AddGroup(nullptr);
    parent->AddPath("C:\\g\\a.ttf", false);
    parent->AddPath("C:\\g\\inst.ttf", false);
    parent->AddPath("C:\\g\\bad.ttf", false);
    child = &groups.AddGroup(parent);
    child->AddPath("C:\\g\\sub", true);
    groups.SetRelease([this](TFileData_OneTimeInst& list) { ReleaseAll(list, bar); });

    world.files.faults = &plan;
    world.fonts.faults = &plan;
    world.registry.faults = &plan;
  }
  void Font(const std::u16string& path, const std::u16string& family) {
    world.files.Put(path, FontBytes(family));
    world.fonts.familiesOfFile[LowerAscii(path)] = {TLogFontName{family, 0, 2}};
  }
  void Switch(TGroupItem& group) {
    SwitchGroupRegistration(
        groups, group, [this](TNameItem& entry) { LoadGroupEntry(*engine, entry, FromUtf8(entry.Path), progress); });
  }
  void Snapshot() { before = SystemSnapshot::Of(world.files, world.registry); }

  EngineWorld world;
  TProcedureClass* engine = nullptr;
  FakeProgress progress;
  QuietBar bar;
  TGroupRootClass groups;  // after what its release uses
  TGroupItem* parent = nullptr;
  TGroupItem* child = nullptr;
  SystemSnapshot before;
};

// Nothing on disk or in the registry changes, whatever fails.
void CheckSystemUntouched(OneTimeWorld& w, InvariantChecks& checks) {
  CheckNoFontFileLost(
      w.before, w.world.files, {u"C:\\g", u"C:\\g\\sub", w.engine->FontsFolder},
      [](const std::u16string&) { return false; }, checks);
  CheckValues(
      w.before, w.world.registry, w.world.files, w.engine->FontsFolder, [](const std::u16string&) { return false; },
      checks);
}

// The group's entries, their flags and records against the session's registrations.
void CheckGroup(const TGroupItem& group, bool registered, const FakeFonts& fonts, InvariantChecks& checks) {
  checks.Expect(group.Registered() == registered, "group flag " + group.GroupName);
  for (const auto& entry : group.PathCollection) {
    checks.Expect(entry->Loaded == registered, "entry flag " + entry->Path);
    if (!registered) {
      checks.Expect(!entry->FontList || entry->FontList->Count() == 0, "released list not empty " + entry->Path);
      continue;
    }
    if (!entry->FontList) {
      checks.Expect(false, "registered entry without a list " + entry->Path);
      continue;
    }
    for (const auto& record : entry->FontList->Items) {
      const auto held = fonts.registered.count(LowerAscii(record->Path));
      if (record->Has(Installed)) {
        checks.Expect(held == 0, "an installed font registered again: " + ToUtf8(record->Path));
        continue;
      }
      checks.Expect(held == (record->PreviewFontCount > 0 ? 1u : 0u),
                    "record and registration disagree: " + ToUtf8(record->Path));
      // A refused registration is not silent: the font view lists the file as one it cannot display.
      checks.Expect(record->CannotDisplay == (held == 0), "refused registration not shown: " + ToUtf8(record->Path));
    }
  }
}

const std::vector<std::u16string> kRegistrable{u"c:\\g\\a.ttf", u"c:\\g\\sub\\b.ttf", u"c:\\g\\sub\\c.otf"};

TEST(OneTimeFaultSweep, SwitchingAGroupOn) {
  Sweep(LoopSweep<OneTimeWorld>{"one-time install: registering a group and its descendants",
                                [](FaultPlan& plan) {
                                  auto w = std::make_unique<OneTimeWorld>(plan);
                                  w->Snapshot();
                                  return w;
                                },
                                [](OneTimeWorld& w) { w.Switch(*w.parent); },
                                [](OneTimeWorld& w, const SweepRun& run, InvariantChecks& checks) {
                                  CheckSystemUntouched(w, checks);
                                  CheckGroup(*w.parent, true, w.world.fonts, checks);
                                  CheckGroup(*w.child, true, w.world.fonts, checks);
                                  // Every readable file is listed, registered or not; the unreadable one is not.
                                  std::size_t records = 0;
                                  for (TNameItem* e :
                                       {w.parent->PathCollection[0].get(), w.parent->PathCollection[1].get(),
                                        w.parent->PathCollection[2].get(), w.child->PathCollection[0].get()})
                                    records += e->FontList ? e->FontList->Items.size() : 0;
                                  checks.Expect(records == 4, "records of the readable files");
                                  std::size_t held = 0;
                                  for (const auto& path : kRegistrable) held += w.world.fonts.registered.count(path);
                                  checks.Expect(held == (run.Faulted(CallKind::AddResource) ? 2u : 3u),
                                                "registrations other than the failed one");
                                }});
}

// Switched on cleanly before the sweep counts; then switched off with each release failing in turn.
TEST(OneTimeFaultSweep, SwitchingAGroupOff) {
  Sweep(LoopSweep<OneTimeWorld>{
      "one-time install: releasing a group and its descendants",
      [](FaultPlan& plan) {
        auto w = std::make_unique<OneTimeWorld>(plan);
        w->Switch(*w->parent);
        w->Snapshot();
        return w;
      },
      [](OneTimeWorld& w) { w.Switch(*w.parent); },
      [](OneTimeWorld& w, const SweepRun& run, InvariantChecks& checks) {
        CheckSystemUntouched(w, checks);
        CheckGroup(*w.parent, false, w.world.fonts, checks);
        CheckGroup(*w.child, false, w.world.fonts, checks);
        // A refused release leaves that one registration until the session ends; nothing else stays.
        for (const auto& path : kRegistrable) {
          const bool refused = run.Faulted(CallKind::RemoveResource) && LowerAscii(run.plan.failed->subject) == path;
          checks.Expect(w.world.fonts.registered.count(path) == (refused ? 1u : 0u), "left registered " + ToUtf8(path));
        }
        checks.Expect(w.world.fonts.registered.count(u"c:\\g\\inst.ttf") == 0, "installed font touched");
      }});
}

TEST(OneTimeFaultSweep, SwitchingOnlyAChildOff) {
  Sweep(LoopSweep<OneTimeWorld>{
      "one-time install: releasing a child group under a registered parent",
      [](FaultPlan& plan) {
        auto w = std::make_unique<OneTimeWorld>(plan);
        w->Switch(*w->parent);
        w->Snapshot();
        return w;
      },
      [](OneTimeWorld& w) { w.Switch(*w.child); },
      [](OneTimeWorld& w, const SweepRun& run, InvariantChecks& checks) {
        CheckSystemUntouched(w, checks);
        CheckGroup(*w.parent, true, w.world.fonts, checks);
        CheckGroup(*w.child, false, w.world.fonts, checks);
        checks.Expect(w.world.fonts.registered.count(u"c:\\g\\a.ttf") == 1, "the parent's own font released");
        std::size_t held = 0;
        for (const auto& path : {u"c:\\g\\sub\\b.ttf", u"c:\\g\\sub\\c.otf"})
          held += w.world.fonts.registered.count(path);
        checks.Expect(held == (run.Faulted(CallKind::RemoveResource) ? 1u : 0u), "the child's fonts left registered");
      }});
}

// Program end: the store releases every registration still active, the groups stay.
TEST(OneTimeFaultSweep, ReleasingEverythingAtProgramEnd) {
  Sweep(LoopSweep<OneTimeWorld>{
      "one-time install: releasing every group at program end",
      [](FaultPlan& plan) {
        auto w = std::make_unique<OneTimeWorld>(plan);
        w->Switch(*w->parent);
        w->Snapshot();
        return w;
      },
      [](OneTimeWorld& w) { w.groups.ReleaseEverything(); },
      [](OneTimeWorld& w, const SweepRun& run, InvariantChecks& checks) {
        CheckSystemUntouched(w, checks);
        checks.Expect(w.groups.GroupCount() == 2, "groups lost at release");
        std::size_t held = 0;
        for (const auto& path : kRegistrable) held += w.world.fonts.registered.count(path);
        checks.Expect(held == (run.Faulted(CallKind::RemoveResource) ? 1u : 0u), "registrations left");
        for (TGroupItem* group : w.groups.AllGroups())
          for (const auto& entry : group->PathCollection)
            checks.Expect(!entry->FontList || entry->FontList->Count() == 0, "a released list keeps records");
      }});
}

}  // namespace
}  // namespace velura::testing
