// What the long-operation loops need from their windows: the status window with its counter, bar and
// stop button, and the plain bar shown while preview registrations are released.
#pragma once
#include <string>

namespace velura {

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

}  // namespace velura
