// Long operations run on the UI thread: a guard keeps every other top-level window of the thread disabled
// while one runs (and enables exactly those again), and the loop lets the window system process pending
// messages once per file, so the stop button gets through.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

namespace velura::ui {

class LongOperation {
 public:
  // Disables every enabled top-level window of this thread except `keepEnabled` (the status window).
  explicit LongOperation(HWND keepEnabled);
  // Enables again the windows it disabled that still exist.
  ~LongOperation();
  LongOperation(const LongOperation&) = delete;
  LongOperation& operator=(const LongOperation&) = delete;

  const std::vector<HWND>& DisabledWindows() const { return disabled_; }

 private:
  std::vector<HWND> disabled_;
};

// Processes the messages pending now, through the same accelerators and dialog keys as the main loop.
// A WM_QUIT is posted again for the main loop and reported: true tells the caller to stop its operation.
// `take`, when given, sees every other message first; one it refuses is dropped.
bool PumpPendingMessages(const std::function<bool(const MSG&)>& take = {});

// Paints the windows waiting to be painted and takes nothing else: between the phases of work that accepts
// no input, so that its windows do not look hung while clicks and keys stay queued for the main loop.
void PumpPaintMessages();

}  // namespace velura::ui
