// The saves of the group file and of the language priority file with every call failing in turn, and with the
// process ended at every call (between the temporary write and the rename for the save itself): the file on
// disk is always the old one or the new one, whole, a failure is told, and what is left behind does not stop
// the next start or save.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine_world.h"
#include "fault_invariants.h"
#include "records/group_file.h"
#include "records/group_store.h"
#include "ui/settings/settings_values.h"

namespace velura::testing {
namespace {

const std::u16string kProgram = u"C:\\prog";
const std::u16string kGroupFile = kProgram + u"\\veluragd.bin";

void AddGroup(TGroupRootClass& root, TGroupItem* parent, std::string name, std::string path) {
  TGroupItem& group = root.AddGroup(parent);
  group.GroupName = std::move(name);
  const bool isDir = !path.ends_with(".ttf");
  group.AddPath(std::move(path), isDir);
}

Bytes OldGroups() {
  TGroupRootClass root;
  AddGroup(root, nullptr, "Old", "C:\\Fonts A");
  AddGroup(root, root.GroupItem[0].get(), "Old child", "C:\\a.ttf");
  return WriteGroupFile(root);
}

struct GroupFileWorld {
  explicit GroupFileWorld(FaultPlan& plan, Bytes onDisk) : old(std::move(onDisk)) {
    files.MakeFolder(kProgram);
    files.MakeFolder(files.currentDirectory);
    files.Put(kGroupFile, old);
    previous = SetMessageSink([this](const MessageRequest& m) {
      messages.push_back(m);
      return MessageResult::Ok;
    });
    files.faults = &plan;
  }
  ~GroupFileWorld() { SetMessageSink(previous); }
  GroupFileWorld(const GroupFileWorld&) = delete;
  GroupFileWorld& operator=(const GroupFileWorld&) = delete;

  // Program end as the group store runs it: the save, and its message when it failed.
  void Shutdown() {
    saved = store.Save(root);
    if (!saved) ShowMessage(kGroupFileSaveFailed + store.FilePath(), u"VELURA", MessageIcon::Error);
  }
  // The next start, with nothing failing: what it reads.
  GroupStoreLoad NextStart(TGroupRootClass& into) {
    GroupFileStore next(files, kProgram);
    return next.Load(into);
  }

  FakeFiles files;
  GroupFileStore store{files, kProgram};
  TGroupRootClass root;
  GroupStoreLoad load;
  Bytes old, wanted;
  bool saved = false;
  std::vector<MessageRequest> messages;
  MessageSink previous;
};

// The file is the old or the new one, whole; the outcome matches what the user was told; the next start
// reads it completely and a second save after a left-over temporary file goes through.
void CheckGroupSave(GroupFileWorld& w, const SweepRun& run, InvariantChecks& checks) {
  const Bytes now = w.files.BytesOf(kGroupFile);
  checks.Expect(now == w.old || now == w.wanted, "the group file is neither the old nor the new one");
  const bool ended = run.outcome.raised;
  if (!ended) {
    checks.Expect(w.saved == (now == w.wanted), "save result differs from the file");
    checks.Expect(w.saved || Shown(w.messages, kGroupFileSaveFailed), "a failed save was not told");
    checks.Expect(run.k > 0 || w.saved, "the clean run failed");
  }
  TGroupRootClass next;
  const GroupStoreLoad load = w.NextStart(next);
  checks.Expect(load.found && !load.damaged, "the next start finds the file damaged");
  checks.Expect(WriteGroupFile(next) == now, "the next start reads something else");
  checks.Expect(w.files.Exists(kGroupFile + u".tmp") == (ended && run.Faulted(CallKind::WriteReplacing)),
                "a temporary file only where the process ended after writing it");
  checks.Expect(w.store.Save(w.root) && w.files.BytesOf(kGroupFile) == w.wanted,
                "the save after the interrupted one does not go through");
}

std::unique_ptr<GroupFileWorld> EditedGroups(FaultPlan& plan) {
  auto w = std::make_unique<GroupFileWorld>(plan, OldGroups());
  w->load = w->store.Load(w->root);
  AddGroup(w->root, nullptr, "New", "D:\\b.ttf");
  w->wanted = WriteGroupFile(w->root);
  return w;
}

TEST(SaveFaultSweep, GroupFileSave) {
  Sweep(LoopSweep<GroupFileWorld>{"group file: save at program end", EditedGroups,
                                  [](GroupFileWorld& w) { w.Shutdown(); }, CheckGroupSave});
}

TEST(SaveFaultSweep, GroupFileSaveWithTheProcessEnded) {
  LoopSweep<GroupFileWorld> sweep{"group file: save at program end, the process ended", EditedGroups,
                                  [](GroupFileWorld& w) { w.Shutdown(); }, CheckGroupSave};
  sweep.killInstead = true;
  Sweep(sweep);
}

// Start and end with reads failing too: whatever the start could not read stays on disk, in the file or in
// the copy beside it that the start-up message names.
void CheckGroupsKept(GroupFileWorld& w, const SweepRun& run, InvariantChecks& checks) {
  const Bytes now = w.files.BytesOf(kGroupFile);
  const std::u16string copy = kGroupFile + u".damaged";
  const bool keptInFile = now == w.old;
  const bool keptInCopy = w.files.Has(copy) && w.files.BytesOf(copy) == w.old;
  const bool sameTree = w.load.groupsRead > 0 && !w.load.damaged && now == WriteGroupFile(w.root);
  checks.Expect(keptInFile || keptInCopy || sameTree, "the groups on disk were lost");
  if (!keptInFile && !sameTree)
    checks.Expect(w.load.damaged && !w.load.damagedCopy.empty() ? w.load.damagedCopy == copy : keptInCopy,
                  "the copy is not where the message says");
  if (w.load.damaged) {
    checks.Expect(!DamagedGroupFileMessage(w.load).empty(), "damage not told");
  }
  if (!run.outcome.raised && !w.saved) checks.Expect(Shown(w.messages, kGroupFileSaveFailed), "failed save not told");
}

TEST(SaveFaultSweep, GroupFileStartAndEndWithReadsFailing) {
  for (const bool damaged : {false, true}) {
    Bytes onDisk = OldGroups();
    if (damaged) onDisk.resize(onDisk.size() - 9);
    Sweep(LoopSweep<GroupFileWorld>{damaged ? "group file: a damaged file read at start and saved at end"
                                            : "group file: read at start and saved at end",
                                    [onDisk](FaultPlan& plan) {
                                      plan.faultReads = true;
                                      return std::make_unique<GroupFileWorld>(plan, onDisk);
                                    },
                                    [](GroupFileWorld& w) {
                                      w.load = w.store.Load(w.root);
                                      w.Shutdown();
                                    },
                                    CheckGroupsKept});
  }
}

// The language priority file, saved through the settings dialog's OK.
struct PriorityWorld {
  explicit PriorityWorld(FaultPlan& plan) {
    world.files.MakeFolder(kProgram);
    world.files.Put(kProgram + u"\\velura_c_rec.bin", Order({0x0411, 0x0409}));
    engine = &world.Make();
    std::u16string problem;
    values = LoadSettingsDialog(*world.settings, *engine, problem);
    std::swap(values.LanguageOrder[0], values.LanguageOrder[1]);
    wanted = Order({0x0409, 0x0411});
    world.files.faults = &plan;
    world.fonts.faults = &plan;
    world.registry.faults = &plan;
  }
  // The stored order: the first two IDs given, the rest of the default order after them.
  static Bytes Order(std::initializer_list<std::uint16_t> first) {
    std::vector<std::uint16_t> ids(first);
    for (std::uint16_t id : DefaultLanguageOrder())
      if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    Bytes bytes;
    for (std::uint16_t id : ids) {
      bytes.push_back(static_cast<std::uint8_t>(id & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(id >> 8));
    }
    return bytes;
  }

  EngineWorld world;
  TProcedureClass* engine = nullptr;
  SettingsDialogValues values;
  Bytes old = Order({0x0411, 0x0409}), wanted;
};

void CheckPrioritySave(PriorityWorld& w, const SweepRun& run, InvariantChecks& checks) {
  const std::u16string path = kProgram + u"\\velura_c_rec.bin";
  const Bytes now = w.world.files.BytesOf(path);
  checks.Expect(now == w.old || now == w.wanted, "the priority file is neither the old nor the new one");
  const bool ended = run.outcome.error == u"(process ended)";
  if (!ended)
    checks.Expect(now == w.wanted || run.outcome.error == path + u" に書き込めません", "a failed save was not told");
  checks.Expect(run.k > 0 || now == w.wanted, "the clean run failed");
  // The next start reads the file as it is, whatever temporary file lies beside it.
  EngineWorld next;
  next.files = w.world.files;
  next.files.faults = nullptr;
  TProcedureClass& restarted = next.Make();
  checks.Expect(restarted.LanguagePriority[0].LanguageId == (now == w.wanted ? 0x0409 : 0x0411),
                "the next start reads another order");
  checks.Expect(restarted.SaveLanguagePriority() && next.files.BytesOf(path) == now,
                "the save after the interrupted one does not go through");
}

TEST(SaveFaultSweep, LanguagePriorityFileSave) {
  for (const bool ended : {false, true}) {
    LoopSweep<PriorityWorld> sweep{ended ? "language priority file: saved from the settings dialog, the process ended"
                                         : "language priority file: saved from the settings dialog",
                                   [](FaultPlan& plan) { return std::make_unique<PriorityWorld>(plan); },
                                   [](PriorityWorld& w) { SaveSettingsDialog(w.values, *w.world.settings, *w.engine); },
                                   CheckPrioritySave};
    sweep.killInstead = ended;
    Sweep(sweep);
  }
}

}  // namespace
}  // namespace velura::testing
