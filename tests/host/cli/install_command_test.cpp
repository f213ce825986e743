// Install over the in-memory engine: Ctrl+C between files, and what is skipped.
#include <gtest/gtest.h>

#include "cli_world.h"

namespace velura::testing {
namespace {

// Ctrl+C pressed while the first file is being installed.
class StopAfterFirstFile final : public CliProgress {
 public:
  StopAfterFirstFile(LoopContext& loop, std::atomic<bool>& stop) : CliProgress(loop, stop), stop_(stop) {}
  void Open(const std::u16string&) override {}
  void Close() override {}
  void ResetDisplay() override {}
  void BeginProgress(int) override {}
  void StepProgress(int) override { stop_ = true; }

 private:
  std::atomic<bool>& stop_;
};

TEST(CliInstall, StopsBetweenFilesAndSkipsWhatIsInstalled) {
  CliWorld w;
  w.InstallMachineWide(u"old.ttf", u"Old", u"1.0");
  w.e.files.MakeFolder(u"C:\\src");
  for (const auto* family : {u"Old", u"First", u"Second"})
    w.e.files.Put(u"C:\\src\\" + std::u16string(family) + u".ttf", FontBytes(family));
  TProcedureClass& engine = w.Start();
  StopAfterFirstFile progress(engine.Loop(), w.stop);
  CliServices services{engine, w.e.files, w.archives, w.restart, progress, u"C:\\work"};
  CliArguments args;
  args.Command = CliCommand::Install;
  args.Operands = {u"C:\\src\\Old.ttf", u"C:\\src\\First.ttf", u"C:\\src\\Second.ttf"};
  const CliReport report = RunCliCommand(args, services);

  const CliItem* old = w.ItemNamed(report, u"Old (TrueType)");
  const CliItem* first = w.ItemNamed(report, u"First (TrueType)");
  const CliItem* second = w.ItemNamed(report, u"Second (TrueType)");
  ASSERT_TRUE(old && first && second);
  EXPECT_EQ(old->Action, CliAction::Skipped);
  EXPECT_EQ(first->Action, CliAction::Installed);
  EXPECT_EQ(second->Action, CliAction::Failed);
  EXPECT_EQ(second->Reason, u"中止しました");
  EXPECT_TRUE(w.MachineValue(u"First (TrueType)") && w.e.files.Has(kCliFonts + u"\\First.ttf"));
  EXPECT_FALSE(w.MachineValue(u"Second (TrueType)") || w.e.files.Has(kCliFonts + u"\\Second.ttf"));
  EXPECT_EQ(ExitCodeOf(report), kExitFailed);
}

TEST(CliInstall, AnotherUnregisteredFileOfTheSameNameIsNotTakenOver) {
  CliWorld w;
  w.e.files.Put(kCliFonts + u"\\same.ttf", FontBytes(u"Same"));    // left by an earlier run: taken over
  w.e.files.Put(kCliFonts + u"\\other.ttf", FontBytes(u"Stranger"));  // another font: never
  w.e.files.MakeFolder(u"C:\\src");
  w.e.files.Put(u"C:\\src\\same.ttf", FontBytes(u"Same"));
  w.e.files.Put(u"C:\\src\\other.ttf", FontBytes(u"Mine"));
  w.Start();
  CliArguments args;
  args.Command = CliCommand::Install;
  args.Operands = {u"C:\\src"};
  const CliReport report = w.Run(args);
  EXPECT_EQ(w.ItemNamed(report, u"Same (TrueType)")->Action, CliAction::Installed);
  EXPECT_EQ(w.ItemNamed(report, u"Mine (TrueType)")->Action, CliAction::Failed);
  EXPECT_FALSE(w.MachineValue(u"Mine (TrueType)"));
  EXPECT_EQ(w.e.files.BytesOf(kCliFonts + u"\\other.ttf"), FontBytes(u"Stranger"));
}

}  // namespace
}  // namespace velura::testing
