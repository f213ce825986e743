// The world the loop sweeps run on: a small system with fonts installed machine-wide and for the user, files
// to install, and the installed list read from the registry as at start-up.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "fault_invariants.h"
#include "record_world.h"
#include "records/long_operations.h"

namespace velura::testing {

inline const std::u16string kUserFolder = u"C:\\Users\\u\\AppData\\Local\\Microsoft\\Windows\\Fonts";

struct LoopWorld {
  RecordWorld w;
  FakeProgress progress{&w.loop};
  SystemSnapshot before;
  std::vector<std::u16string> ticked;  // paths of the records ticked for the run

  void InstallMachineWide(const std::u16string& fileName, const std::u16string& family, const std::u16string& data) {
    w.AddFont(fileName, family, u"Regular", 0, kFontsFolder);
    w.registry.AddFont(family + u" (TrueType)", data);
  }
  void InstallForUser(const std::u16string& fileName, const std::u16string& family) {
    w.files.MakeFolder(kUserFolder);
    const auto path = w.AddFont(fileName, family, u"Regular", 0, kUserFolder);
    w.registry.AddUserFont(family + u" (TrueType)", path);
  }
  void LoadInstalled() {
    w.registryData->LoadFontsList();
    LoadInstalledFromRegistry(w.loop, *w.installed, *w.registryData, kFontsFolder, nullptr, &progress);
  }
  void LoadLocal(const std::vector<std::u16string>& paths) {
    RunLoadFiles(w.loop, progress, paths, *w.local, true);
    w.local->LastFolder = FolderPart(paths.front());
    w.files.MakeFolder(w.local->LastFolder);
  }
  void Tick(TFileData_base& list, std::initializer_list<std::u16string> paths) {
    for (const auto& path : paths)
      for (auto& r : list.Items)
        if (LowerAscii(r->Path) == LowerAscii(path)) r->Set(Selected), ticked.push_back(r->Path);
  }
  void Attach(FaultPlan& plan) {
    w.AttachFaults(plan);
    w.messages.clear();
    w.fonts.broadcasts = 0;
    before = SystemSnapshot::Of(w.files, w.registry);
  }
  bool WasTicked(const std::u16string& lowerPath) const {
    for (const auto& path : ticked)
      if (LowerAscii(path) == lowerPath) return true;
    return false;
  }
  bool Listed(const std::u16string& lowerPath) const {
    for (const auto& r : w.installed->Items)
      if (LowerAscii(r->Path) == lowerPath) return true;
    return false;
  }
};

// 3. The failed call surfaced: an error raised (shown by the window), or a message box naming what it worked
// on; or it is one whose result the design ignores.
inline void CheckFailureReported(const LoopWorld& world, const SweepRun& run, std::initializer_list<CallKind> ignored,
                                 InvariantChecks& checks) {
  if (!run.plan.failed) return;
  for (CallKind kind : ignored)
    if (run.plan.failed->kind == kind) return;
  checks.Expect(run.outcome.raised || Shown(world.w.messages, run.plan.failed->subject),
                "the failure reached no message: " + Describe(run.plan));
}

}  // namespace velura::testing
