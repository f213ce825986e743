// The one-time registration switch with every call that changes the system failing in turn. Nothing on disk
// or in the registry may change; the records, the groups' flags and the session's registrations must agree,
// and a registration Windows refused shows as a font that cannot be displayed.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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
    SwitchGroupRegistration(groups, group, [this](TGroupItem& owner, TNameItem& entry) {
      LoadGroupEntry(*engine, owner, entry, FromUtf8(entry.Path), progress);
    });
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

// The engine's counter against the system: a file the counter holds registered is registered exactly once,
// every registration is the counter's, and each file's holders are the records that hold it.
void CheckCountsAgree(const FontRegistrations& counter, const FakeFonts& fonts,
                      const std::vector<const TFileData_base*>& lists, InvariantChecks& checks) {
  std::map<std::u16string, int> holding;
  for (const TFileData_base* list : lists)
    for (const auto& record : list->Items)
      if (record->HoldsRegistration) ++holding[counter.Key(record->Path)];
  for (const auto& [key, state] : counter.States()) {
    checks.Expect(fonts.registered.count(LowerAscii(key)) == (state.registered ? 1u : 0u),
                  "count and registration disagree: " + ToUtf8(key));
    checks.Expect(state.holders == holding[key], "holders and records disagree: " + ToUtf8(key));
  }
  for (const auto& path : fonts.registered)
    checks.Expect(counter.Registered(path), "a registration the counter does not know: " + ToUtf8(path));
  for (const auto& [key, count] : holding)
    checks.Expect(counter.Holders(key) == count, "records hold an uncounted file: " + ToUtf8(key));
}

std::vector<const TFileData_base*> ListsOf(const TGroupRootClass& groups) {
  std::vector<const TFileData_base*> lists;
  for (const TGroupItem* group : groups.AllGroups())
    for (const auto& entry : group->PathCollection)
      if (entry->FontList) lists.push_back(entry->FontList.get());
  return lists;
}

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

// Deleting an entry of a registered group releases it first: the group's registrations stay its entries'.
// A removal Windows refuses is kept by the engine's counter, unheld, and goes at the next release.
TEST(OneTimeFaultSweep, DeletingAnEntryOfARegisteredGroup) {
  Sweep(LoopSweep<OneTimeWorld>{
      "one-time install: deleting an entry of a registered group",
      [](FaultPlan& plan) {
        auto w = std::make_unique<OneTimeWorld>(plan);
        w->Switch(*w->parent);
        w->Snapshot();
        return w;
      },
      [](OneTimeWorld& w) { w.groups.RemovePath(*w.child, *w.child->PathCollection[0]); },
      [](OneTimeWorld& w, const SweepRun& run, InvariantChecks& checks) {
        CheckSystemUntouched(w, checks);
        checks.Expect(w.child->PathCollection.empty(), "the entry was not deleted");
        CheckGroup(*w.parent, true, w.world.fonts, checks);
        FontRegistrations& counter = w.engine->Registrations();
        CheckCountsAgree(counter, w.world.fonts, ListsOf(w.groups), checks);
        checks.Expect(w.world.fonts.registered.count(u"c:\\g\\a.ttf") == 1, "another entry's font released");
        for (const auto& path : {u"c:\\g\\sub\\b.ttf", u"c:\\g\\sub\\c.otf"}) {
          const bool refused = run.Faulted(CallKind::RemoveResource) && LowerAscii(run.plan.failed->subject) == path;
          checks.Expect(counter.Registered(path) == refused, "the deleted entry's font " + ToUtf8(path));
        }
        // Nothing was lost: the refused removal goes at the next release.
        counter.ReleaseUnheld();
        for (const auto& path : {u"c:\\g\\sub\\b.ttf", u"c:\\g\\sub\\c.otf"})
          checks.Expect(w.world.fonts.registered.count(path) == 0, "left registered for good: " + ToUtf8(path));
      }});
}

// A registration shared by the not-installed browser's preview and a one-time entry, one of them installed
// during the run: the one-time group is switched off and the browser released. The counts and the system's
// registrations agree whatever fails; the installed copy stays registered; the browser's preview outlives the
// group's release.
TEST(OneTimeFaultSweep, RegistrationsSharedWithTheBrowser) {
  struct Shared : OneTimeWorld {
    explicit Shared(FaultPlan& plan) : OneTimeWorld(plan) {}
    std::unique_ptr<TFileData_local> browser;
  };
  Sweep(LoopSweep<Shared>{
      "one-time install and browser sharing registrations, an install between",
      [](FaultPlan& plan) {
        auto w = std::make_unique<Shared>(plan);  // the plan counts once this returns
        w->world.fonts.familiesOfFile[LowerAscii(w->engine->FontsFolder + u"\\b.ttf")] = {TLogFontName{u"B", 0, 2}};
        w->browser = std::make_unique<TFileData_local>(w->engine->Records());
        RunLoadFiles(w->engine->Loop(), w->progress, {u"C:\\g\\a.ttf", u"C:\\g\\sub\\b.ttf"}, *w->browser, false);
        w->Switch(*w->parent);
        TFileData_OneTimeInst& folder = *w->child->PathCollection[0]->FontList;
        for (auto& record : folder.Items)
          if (LowerAscii(record->Path) == u"c:\\g\\sub\\b.ttf") record->Set(Selected);
        w->Snapshot();
        return w;
      },
      [](Shared& w) {
        TFileData_OneTimeInst& folder = *w.child->PathCollection[0]->FontList;
        try {
          RunInstall(w.engine->Loop(), w.progress, folder, w.engine->Installed(), w.engine->FontsFolder, true,
                     w.engine->RegData());
        } catch (const UserError&) {}
        w.Switch(*w.parent);
      },
      [](Shared& w, const SweepRun& run, InvariantChecks& checks) {
        FontRegistrations& counter = w.engine->Registrations();
        std::vector<const TFileData_base*> lists = ListsOf(w.groups);
        lists.push_back(w.browser.get());
        CheckCountsAgree(counter, w.world.fonts, lists, checks);
        for (const auto& path : {u"c:\\g\\a.ttf", u"c:\\g\\sub\\b.ttf"})
          checks.Expect(w.world.fonts.registered.count(path) == 1, "the browser's preview was taken: " + ToUtf8(path));
        const std::u16string copy = LowerAscii(w.engine->FontsFolder + u"\\b.ttf");
        if (w.world.files.Has(copy) && !run.Faulted(CallKind::AddResource))
          checks.Expect(w.world.fonts.registered.count(copy) == 1, "the font installed during the run was released");
        // The browser lets go last: what no one holds is removed, the installed copy stays.
        w.world.fonts.faults = nullptr;
        QuietBar bar;
        ReleaseAll(*w.browser, bar);
        counter.ReleaseUnheld();
        CheckCountsAgree(counter, w.world.fonts, ListsOf(w.groups), checks);
        for (const auto& path : {u"c:\\g\\a.ttf", u"c:\\g\\sub\\b.ttf"})
          checks.Expect(w.world.fonts.registered.count(path) == 0, "left registered: " + ToUtf8(path));
      }});
}

}  // namespace
}  // namespace velura::testing
