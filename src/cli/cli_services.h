// What the commands work with: the engine and its services, the archive layer, deletion at restart and the
// console's progress, as interfaces, so that the commands themselves are portable.
#pragma once
#include <atomic>
#include <string>

#include "records/procedure_class.h"
#include "ui/browsers/archive_opening.h"

namespace velura {

class RestartDeletion {
 public:
  virtual ~RestartDeletion() = default;
  // Asks the system to delete the file when Windows restarts; false when that cannot be arranged.
  virtual bool ScheduleDeletion(const std::u16string& path) = 0;
};

// The loops' progress for a console: counts on stderr, and the stop request of Ctrl+C taken over into the
// loop context once per file. A pair of steps that must not be parted (an old version's removal and the new
// one's install) holds the stop back.
class CliProgress : public Progress {
 public:
  CliProgress(LoopContext& loop, const std::atomic<bool>& stop) : loop_(loop), stop_(stop) {}
  void ProcessMessages() override {
    if (!holdStop_ && stop_.load()) loop_.StopRequested = true;
  }
  bool StopRequested() const { return stop_.load(); }
  void HoldStop(bool hold) { holdStop_ = hold; }

 private:
  LoopContext& loop_;
  const std::atomic<bool>& stop_;
  bool holdStop_ = false;
};

struct CliServices {
  TProcedureClass& Engine;
  FileServices& Files;
  ArchiveExtractor& Archives;
  RestartDeletion& Restart;
  CliProgress& Progress;
  std::u16string WorkFolder;  // a folder of this run's own for extracted archives; removed at the end
};

}  // namespace velura
