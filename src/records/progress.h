// What the long-operation loops need from their windows: the status window with its counter, bar and
// stop button, and the plain bar shown while preview registrations are released.
#pragma once
#include <string>

namespace velura {

// The stop button's flag: set by "中止", cleared by every operation when it starts, tested once per step.
inline bool CancelRequested = false;

class Progress {
 public:
  virtual ~Progress() = default;
  // Creates and shows the status window with its title, every other window disabled.
  virtual void Open(const std::u16string& title) = 0;
  // Releases the window and enables the others again; runs on every path out of a loop.
  virtual void Close() = 0;
  virtual void ResetDisplay() = 0;
  virtual void BeginProgress(int total) = 0;
  virtual void StepProgress(int done) = 0;
  // Lets the window system process pending messages, the stop button's click among them.
  virtual void ProcessMessages() = 0;
};

// A bar without a counter or stop button: the splash window's, or the resource-release window.
class BarProgress {
 public:
  virtual ~BarProgress() = default;
  // The resource-release window is created and released around its loop; the splash bar just stays.
  virtual void Open() {}
  virtual void Close() {}
  virtual void SetMaximum(int maximum) = 0;
  virtual void SetPosition(int position) = 0;
  virtual void ProcessMessages() {}
};

// Opens the status window for one loop and closes it on every path out of the loop.
// The status window of the loop running now, if any: work after the loop's steps that takes long (settling
// names one file at a time) pumps its messages too, so the window stays responsive.
inline Progress* ActiveProgress = nullptr;
inline void PumpActiveProgress() {
  if (ActiveProgress) ActiveProgress->ProcessMessages();
}

class ProgressScope {
 public:
  ProgressScope(Progress& progress, const std::u16string& title) : progress_(progress), previous_(ActiveProgress) {
    progress_.Open(title);
    progress_.ResetDisplay();
    ActiveProgress = &progress_;
  }
  ~ProgressScope() {
    ActiveProgress = previous_;
    progress_.Close();
  }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

 private:
  Progress& progress_;
  Progress* previous_;
};

}  // namespace velura
