// What the long-operation loops and the long fills reach of the windows around them: the stop flag, the
// status window of the loop running now, the painting of waiting windows and the phase marks of a
// listener. The engine owns the program's one context and every window works through it; a context
// constructed here does nothing, for tests and callers that need none.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <utility>

#include "records/load_probe.h"
#include "records/progress.h"

namespace velura {

class LoopContext {
 public:
  // The stop button's flag: set by "中止" (or a quit met while pumping), cleared by every operation when it
  // starts, tested once per step.
  bool StopRequested = false;
  // The listener of the phase marks (the load benchmark); null: none.
  LoadProbe* Probe = nullptr;
  // Paints the windows standing over a fill that takes no input (the browsers' wait box); empty: none.
  std::function<void()> PaintWaitingWindows;

  // From now on the time goes to this phase (a string literal). Without a listener, one test of a pointer.
  void MarkPhase(const char* phase) const {
    if (Probe) Probe->Mark(phase);
  }
  // The window system has just processed the pending messages.
  void NoteMessagesPumped() const {
    if (Probe) Probe->Pumped();
  }
  // Long fills call this with the count of nodes done, so that the waiting windows are painted every 256.
  void KeepWaitingWindowsPainted(std::size_t done) const {
    if (PaintWaitingWindows && done % 256 == 255) PaintWaitingWindows();
  }
  // Work after a loop's steps that takes long (settling names one file at a time) pumps the messages of the
  // loop's status window too, so that it stays responsive; outside a loop, nothing.
  void PumpRunningWindow() const {
    if (running_) running_->ProcessMessages();
  }
  bool InLoop() const { return running_ != nullptr; }
  // While one call takes long (an enumeration of every font): the running window's messages and the
  // waiting windows, whichever stand over the work.
  void KeepResponsive() const {
    PumpRunningWindow();
    if (PaintWaitingWindows) PaintWaitingWindows();
  }

 private:
  friend class ProgressScope;
  Progress* running_ = nullptr;
};

// One more window painted with the waiting windows, for one scope (the splash while the installed fonts load).
class WaitingPainterScope {
 public:
  WaitingPainterScope(LoopContext& loop, std::function<void()> paint)
      : loop_(loop), previous_(loop.PaintWaitingWindows) {
    loop_.PaintWaitingWindows = [paint = std::move(paint), previous = previous_] {
      paint();
      if (previous) previous();
    };
  }
  ~WaitingPainterScope() { loop_.PaintWaitingWindows = std::move(previous_); }
  WaitingPainterScope(const WaitingPainterScope&) = delete;
  WaitingPainterScope& operator=(const WaitingPainterScope&) = delete;

 private:
  LoopContext& loop_;
  std::function<void()> previous_;
};

// Opens the status window for one loop, makes it the context's running window and closes it on every path
// out of the loop.
class ProgressScope {
 public:
  ProgressScope(LoopContext& loop, Progress& progress, const std::u16string& title)
      : loop_(loop), progress_(progress), previous_(loop.running_) {
    progress_.Open(title);
    progress_.ResetDisplay();
    loop_.running_ = &progress_;
  }
  ~ProgressScope() {
    loop_.running_ = previous_;
    progress_.Close();
  }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

 private:
  LoopContext& loop_;
  Progress& progress_;
  Progress* previous_;
};

}  // namespace velura
