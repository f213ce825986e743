// Status windows that show nothing and never stop a loop, for tests that run the long operations
// without looking at their windows.
#pragma once
#include "records/progress.h"

namespace velura::testing {

class SilentProgress final : public Progress {
 public:
  void Open(const std::u16string&) override {}
  void Close() override {}
  void ResetDisplay() override {}
  void BeginProgress(int) override {}
  void StepProgress(int) override {}
  void ProcessMessages() override {}
};

class SilentBarProgress final : public BarProgress {
 public:
  void SetMaximum(int) override {}
  void SetPosition(int) override {}
};

}  // namespace velura::testing
