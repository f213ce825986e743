// The registry viewer's commands with every call that changes the system failing in turn: no file or value
// is lost beyond what the user asked, and every failure reaches the user in the count or message the window
// shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../records/fault_invariants.h"
#include "../records/record_world.h"
#include "records/long_operations.h"
#include "ui/registry/reg_view_commands.h"

namespace velura::testing {
namespace {

const std::u16string kOther = u"D:\\other";
const std::u16string kDestination = u"D:\\dest";
const std::u16string kIncoming = u"D:\\in";

std::u16string Count(std::size_t n) { return DecimalU16(static_cast<std::int64_t>(n)); }

struct ViewerWorld {
  explicit ViewerWorld(FaultPlan& plan) {
    for (const auto& folder : {kFontsFolder, kOther, kDestination, kIncoming}) files.MakeFolder(folder);
    previous = SetMessageSink([this](const MessageRequest& m) {
      messages.push_back(m);
      return MessageResult::Ok;
    });
    files.faults = &plan;
    registry.faults = &plan;
  }
  ~ViewerWorld() { SetMessageSink(previous); }
  ViewerWorld(const ViewerWorld&) = delete;
  ViewerWorld& operator=(const ViewerWorld&) = delete;

  // Reads the Fonts entries and fills the first tab, as the window does at creation and after a removal.
  void Fill() {
    if (!data) data = std::make_unique<TRegFontData>(registry, folding, kFontsFolder);
    else data->LoadFontsList();
    table = BuildFontRows(
        data->Fonts, kFontsFolder, [this](const std::u16string& p) { return files.Has(p); }, folding);
  }
  void Snapshot() { before = SystemSnapshot::Of(files, registry); }
  std::set<std::u16string> ValueNames() const {
    std::set<std::u16string> names;
    for (const auto& [name, value] : registry.keys.at(kFontsPath).values) names.insert(name);
    return names;
  }

  FakeFontRegistry registry;
  FakeFolding folding;
  FakeFiles files;
  std::unique_ptr<TRegFontData> data;
  RegViewTable table;
  SystemSnapshot before;
  std::vector<MessageRequest> messages;
  MessageSink previous;
  LoopContext loop;
  FakeProgress progress{&loop};
  std::vector<std::u16string> asked;  // the rows' value names, or the paths, the command was given
  std::size_t failed = 0;
  RowDeletion deletion;
};

// Values whose files exist, are missing, share a file name, or lie outside the fonts folder.
std::unique_ptr<ViewerWorld> RegistryScene(FaultPlan& plan) {
  auto w = std::make_unique<ViewerWorld>(plan);
  w->files.Put(kFontsFolder + u"\\here.ttf", FontBytes(u"Here"));
  w->files.Put(kFontsFolder + u"\\shared.ttf", FontBytes(u"Shared"));
  w->registry.AddFont(u"Here (TrueType)", u"here.ttf");
  w->registry.AddFont(u"Gone (TrueType)", u"gone.ttf");
  w->registry.AddFont(u"Shared A (TrueType)", u"shared.ttf");
  w->registry.AddFont(u"Shared B (TrueType)", u"SHARED.TTF");
  w->registry.AddFont(u"Away (TrueType)", kOther + u"\\away.ttf");
  w->registry.AddFont(u"Lost (OpenType)", u"lost.otf");
  w->Fill();
  w->Snapshot();
  return w;
}

// What holds after any registry command: files untouched, removed values among those asked for, the tab's
// rows and the data read from the registry agreeing with the key.
void CheckRegistryCommand(ViewerWorld& w, InvariantChecks& checks) {
  CheckNoFontFileLost(
      w.before, w.files, {kFontsFolder, kOther}, [](const std::u16string&) { return false; }, checks);
  const auto now = w.ValueNames();
  for (const auto& [name, data] : w.before.values.at(kFontsPath))
    if (!now.count(name))
      checks.Expect(std::find(w.asked.begin(), w.asked.end(), name) != w.asked.end(),
                    "value removed that no row asked for: " + ToUtf8(name));
  CheckValues(
      w.before, w.registry, w.files, kFontsFolder, [](const std::u16string&) { return true; }, checks);
  std::set<std::u16string> read;
  for (const auto& entry : w.data->Fonts) read.insert(entry.ValueName);
  checks.Expect(read == now, "the viewer's Fonts entries differ from the key");
  checks.Expect(w.table.Rows.size() == w.data->Fonts.size(), "the first tab's rows differ from the entries");
}

std::size_t RemovedOf(const ViewerWorld& w) {
  const auto now = w.ValueNames();
  return static_cast<std::size_t>(
      std::count_if(w.asked.begin(), w.asked.end(), [&](const std::u16string& name) { return !now.count(name); }));
}

TEST(RegViewFaultSweep, DeletingSelectedRows) {
  const std::vector<int> selected{0, 1, 3, 4};
  Sweep(LoopSweep<ViewerWorld>{"registry viewer: deleting the selected rows",
                               [&](FaultPlan& plan) {
                                 auto w = RegistryScene(plan);
                                 for (int row : selected) w->asked.push_back(w->table.Rows[row].FontName);
                                 return w;
                               },
                               [&](ViewerWorld& w) {
                                 w.deletion = DeleteRowValues(*w.data, w.table, selected);
                                 ShowMessage(DeletionMessage(selected.size(), w.deletion));
                                 if (w.deletion.Succeeded > 0) w.Fill();
                               },
                               [&](ViewerWorld& w, const SweepRun& run, InvariantChecks& checks) {
                                 CheckRegistryCommand(w, checks);
                                 const std::size_t removed = RemovedOf(w), failed = selected.size() - removed;
                                 checks.Expect(w.deletion.Succeeded == removed && w.deletion.Failed == failed,
                                               "counts differ from the key");
                                 checks.Expect(run.k > 0 || failed == 0, "the clean run failed");
                                 checks.Expect(w.messages.size() == 1, "one report expected");
                                 const std::u16string told = removed == 0 ? Count(failed) + u"件すべて失敗しました"
                                                                          : u"　失敗" + Count(failed) + u"件";
                                 checks.Expect(Shown(w.messages, told), "the report does not tell " + ToUtf8(told));
                               }});
}

std::vector<int> RepairRows(ViewerWorld& w) {
  return PlanRepair(
             w.table, kFontsFolder, [&](const std::u16string& p) { return w.files.Has(p); },
             [](const std::u16string&) { return true; })
      .Remove;
}

TEST(RegViewFaultSweep, AutomaticRepair) {
  Sweep(LoopSweep<ViewerWorld>{
      "registry viewer: automatic repair",
      [](FaultPlan& plan) {
        auto w = RegistryScene(plan);
        for (int row : RepairRows(*w)) w->asked.push_back(w->table.Rows[row].FontName);
        return w;
      },
      [](ViewerWorld& w) {
        w.deletion = DeleteRowValues(*w.data, w.table, RepairRows(w));
        for (const auto& message : RepairMessages(w.deletion)) ShowMessage(message);
        if (w.deletion.Succeeded > 0) w.Fill();
      },
      [](ViewerWorld& w, const SweepRun& run, InvariantChecks& checks) {
        CheckRegistryCommand(w, checks);
        checks.Expect(w.asked.size() == 3, "the scene has three missing rows");
        const std::size_t removed = RemovedOf(w);
        checks.Expect(w.deletion.Succeeded == removed, "the count differs from the key");
        checks.Expect(run.k > 0 || removed == w.asked.size(), "the clean run failed");
        if (removed > 0)
          checks.Expect(Shown(w.messages, Count(removed) + u" 件のレジストリ情報を削除しました)"),
                        "the report does not count the removals");
        const auto now = w.ValueNames();
        for (const auto& name : w.asked) {
          if (!now.count(name))
            continue;  // a refused removal must be told, by its name or by the key that could not be opened
          checks.Expect(Shown(w.messages, u"\r\n" + name) || Shown(w.messages, u"error! RegOpenKey"),
                        "refused removal not told: " + ToUtf8(name));
        }
        if (Shown(w.messages, u"削除対象のデータはありませんでした"))
          checks.Expect(removed == w.asked.size(), "\"nothing to delete\" while stale values remain");
      }});
}

// The fonts folder's files the third tab can tick: a font, a bitmap font and another file.
std::unique_ptr<ViewerWorld> FolderScene(FaultPlan& plan) {
  auto w = std::make_unique<ViewerWorld>(plan);
  w->files.Put(kFontsFolder + u"\\a.ttf", FontBytes(u"A"));
  w->files.Put(kFontsFolder + u"\\small.fon", Bytes(40, 3));
  w->files.Put(kFontsFolder + u"\\desktop.ini", Bytes(12, 4));
  w->files.Put(kFontsFolder + u"\\kept.ttf", FontBytes(u"Kept"));
  w->registry.AddFont(u"Kept (TrueType)", u"kept.ttf");
  w->files.Put(kDestination + u"\\a.ttf", Bytes(8, 9));  // overwritten by the copy
  w->files.Put(kIncoming + u"\\New.ttf", FontBytes(u"New"));
  w->files.Put(kIncoming + u"\\small.fon", Bytes(50, 5));  // replaces the fonts folder's own
  w->Fill();
  w->Snapshot();
  return w;
}

// Invariant 3 for the file commands: the count shown is the number of files the model says were not done.
void CheckFileReport(const ViewerWorld& w, std::size_t notDone, const std::u16string& doneText,
                     const std::u16string& failedText, int k, InvariantChecks& checks) {
  checks.Expect(w.failed == notDone, "count " + std::to_string(w.failed) + ", model " + std::to_string(notDone));
  checks.Expect(k > 0 || notDone == 0, "the clean run failed");
  checks.Expect(w.messages.size() == 1, "one report expected");
  if (w.messages.empty()) return;
  if (notDone == 0) checks.Expect(w.messages[0].Text == doneText, "success not reported");
  else checks.Expect(w.messages[0].Text == failedText + Count(notDone) + u"件 ありました", "failures not reported");
}

// Files outside the command's targets stay as they were, values included.
void CheckUntouchedBut(const ViewerWorld& w, const std::vector<std::u16string>& targets, InvariantChecks& checks) {
  std::set<std::u16string> lowerTargets;
  for (const auto& t : targets) lowerTargets.insert(LowerAscii(t));
  for (const auto& [lower, bytes] : w.before.files) {
    if (lowerTargets.count(lower)) continue;
    checks.Expect(w.files.Has(lower) && w.files.BytesOf(lower) == bytes, "file lost or changed: " + ToUtf8(lower));
  }
  for (const auto& [lower, file] : w.files.files)
    checks.Expect(w.before.files.count(lower) || lowerTargets.count(lower), "stray file: " + ToUtf8(lower));
  CheckValues(
      w.before, w.registry, w.files, kFontsFolder, [](const std::u16string&) { return false; }, checks);
}

// Each target holds its source's bytes or, not done, what it held before (nothing if it was absent).
std::size_t NotCopied(const ViewerWorld& w, const std::vector<std::pair<std::u16string, std::u16string>>& copies,
                      InvariantChecks& checks) {
  std::size_t notDone = 0;
  for (const auto& [source, target] : copies) {
    const Bytes& wanted = w.before.files.at(LowerAscii(source));
    if (w.files.Has(target) && w.files.BytesOf(target) == wanted) continue;
    ++notDone;
    const auto old = w.before.files.find(LowerAscii(target));
    checks.Expect(old == w.before.files.end() ? !w.files.Has(target)
                                              : w.files.Has(target) && w.files.BytesOf(target) == old->second,
                  "target neither old nor new: " + ToUtf8(target));
  }
  return notDone;
}

TEST(RegViewFaultSweep, CopyingTickedFilesOut) {
  const std::vector<std::u16string> ticked{kFontsFolder + u"\\a.ttf", kFontsFolder + u"\\small.fon",
                                           kFontsFolder + u"\\desktop.ini"};
  std::vector<std::pair<std::u16string, std::u16string>> copies;
  for (const auto& path : ticked) copies.emplace_back(path, kDestination + u"\\" + FileNamePart(path));
  std::vector<std::u16string> targets;
  for (const auto& [source, target] : copies) targets.push_back(target);
  Sweep(LoopSweep<ViewerWorld>{"registry viewer: copying ticked files out of the fonts folder", FolderScene,
                               [&](ViewerWorld& w) {
                                 w.failed = static_cast<std::size_t>(
                                     RunCopy(w.loop, w.progress, w.files, kDestination, ticked));
                                 ShowMessage(FolderCopyMessage(w.failed));
                               },
                               [&](ViewerWorld& w, const SweepRun& run, InvariantChecks& checks) {
                                 CheckUntouchedBut(w, targets, checks);
                                 CheckFileReport(w, NotCopied(w, copies, checks), u"コピー処理終了",
                                                 u"コピーに失敗したファイルが ", run.k, checks);
                               }});
}

TEST(RegViewFaultSweep, DeletingTickedFiles) {
  const std::vector<std::u16string> ticked{kFontsFolder + u"\\a.ttf", kFontsFolder + u"\\small.fon",
                                           kFontsFolder + u"\\desktop.ini"};
  Sweep(LoopSweep<ViewerWorld>{"registry viewer: deleting ticked files of the fonts folder", FolderScene,
                               [&](ViewerWorld& w) {
                                 w.failed = DeleteFolderFiles(w.files, ticked);
                                 ShowMessage(FolderDeleteMessage(w.failed));
                                 w.Fill();
                               },
                               [&](ViewerWorld& w, const SweepRun& run, InvariantChecks& checks) {
                                 // Only ticked files may go (the user confirmed both questions), and each one not gone
                                 // is counted.
                                 CheckUntouchedBut(w, ticked, checks);
                                 std::size_t kept = 0;
                                 for (const auto& path : ticked) {
                                   if (!w.files.Has(path)) continue;
                                   ++kept;
                                   checks.Expect(w.files.BytesOf(path) == w.before.files.at(LowerAscii(path)),
                                                 "kept file changed");
                                 }
                                 CheckFileReport(w, kept, u"削除処理終了", u"削除に失敗したファイルが ", run.k, checks);
                                 // The third tab lists what the folder holds afterwards; a value's file stays
                                 // registered.
                                 std::vector<std::u16string> names;
                                 for (const auto& entry : w.files.ListFolder(kFontsFolder))
                                   if (ListedInFontFolder(entry.Name, entry.Attributes == 16))
                                     names.push_back(entry.Name);
                                 const FontFolderFiles listed = ClassifyFontFolder(names, w.data->Fonts, w.folding);
                                 checks.Expect(listed.All.size() == 1 + kept, "the third tab differs from the folder");
                               }});
}

TEST(RegViewFaultSweep, CopyingFilesIntoTheFontsFolder) {
  const std::vector<std::u16string> chosen{kIncoming + u"\\New.ttf", kIncoming + u"\\small.fon"};
  std::vector<std::pair<std::u16string, std::u16string>> copies;
  for (const auto& path : chosen) copies.emplace_back(path, kFontsFolder + u"\\" + FileNamePart(path));
  std::vector<std::u16string> targets;
  for (const auto& [source, target] : copies) targets.push_back(target);
  Sweep(LoopSweep<ViewerWorld>{"registry viewer: copying files into the fonts folder", FolderScene,
                               [&](ViewerWorld& w) {
                                 w.failed = CopyIntoFontsFolder(w.files, kFontsFolder, chosen, [](const auto&) {
                                   return MessageResult::Yes;  // small.fon replaces the fonts folder's own
                                 });
                                 ShowMessage(FolderCopyMessage(w.failed));
                               },
                               [&](ViewerWorld& w, const SweepRun& run, InvariantChecks& checks) {
                                 CheckUntouchedBut(w, targets, checks);  // no value written, no other file touched
                                 CheckFileReport(w, NotCopied(w, copies, checks), u"コピー処理終了",
                                                 u"コピーに失敗したファイルが ", run.k, checks);
                               }});
}

}  // namespace
}  // namespace velura::testing
