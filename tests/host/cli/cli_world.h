// velura-cli's commands over the in-memory engine: the services a command needs besides the engine's.
#pragma once
#include <atomic>
#include <set>

#include "../records/engine_world.h"
#include "../records/record_world.h"
#include "cli/cli_commands.h"

namespace velura::testing {

inline const std::u16string kCliFonts = u"C:\\Windows\\Fonts";

class NoArchives final : public ArchiveExtractor {
 public:
  std::vector<std::u16string> MemberNames(const std::u16string&) override { return {}; }
  void ExtractAll(const std::u16string&, const std::u16string&) override {}
};

class RecordedRestart final : public RestartDeletion {
 public:
  bool ScheduleDeletion(const std::u16string& path) override {
    scheduled.insert(LowerAscii(path));
    return true;
  }
  std::set<std::u16string> scheduled;  // lower-cased
};

class QuietProgress final : public CliProgress {
 public:
  using CliProgress::CliProgress;
  void Open(const std::u16string&) override {}
  void Close() override {}
  void ResetDisplay() override {}
  void BeginProgress(int) override {}
  void StepProgress(int) override {}
};

struct CliWorld {
  EngineWorld e;
  NoArchives archives;
  RecordedRestart restart;
  std::atomic<bool> stop{false};
  std::unique_ptr<QuietProgress> progress;

  CliWorld() {
    e.files.MakeFolder(kCliFonts);
    e.files.MakeFolder(u"C:\\work");
  }
  void InstallMachineWide(const std::u16string& fileName, const std::u16string& family, const std::u16string& version) {
    e.files.Put(kCliFonts + u"\\" + fileName, FontBytes(family, u"Regular", version));
    e.registry.AddFont(family + u" (TrueType)", fileName);
  }
  // After the files and values are in place: the engine reads the registry when it is made.
  TProcedureClass& Start() {
    TProcedureClass& engine = e.Make();
    progress = std::make_unique<QuietProgress>(engine.Loop(), stop);
    return engine;
  }
  CliReport Run(CliArguments args) {
    CliServices services{*e.engine, e.files, archives, restart, *progress, u"C:\\work"};
    return RunCliCommand(args, services);
  }
  const CliItem* ItemNamed(const CliReport& report, const std::u16string& name) const {
    for (const CliItem& item : report.Items)
      if (item.Name == name) return &item;
    return nullptr;
  }
  std::optional<std::u16string> MachineValue(const std::u16string& name) {
    for (const auto& [n, value] : e.registry.keys[kFontsPath].values)
      if (n == name) return value.Text;
    return std::nullopt;
  }
};

}  // namespace velura::testing
