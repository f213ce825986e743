// Where a folder load spends its time: the loops and the browser mark their phases here, and a listener
// (the load benchmark) may take the marks. Without a listener a mark is one test of a pointer.
#pragma once

namespace velura {

class LoadProbe {
 public:
  virtual ~LoadProbe() = default;
  // From now on the time goes to this phase (a string literal), until the next mark.
  virtual void Mark(const char* phase) = 0;
  // The window system has just processed the pending messages.
  virtual void Pumped() = 0;
};

inline LoadProbe* ActiveLoadProbe = nullptr;

inline void MarkLoadPhase(const char* phase) {
  if (ActiveLoadProbe) ActiveLoadProbe->Mark(phase);
}
inline void NoteMessagesPumped() {
  if (ActiveLoadProbe) ActiveLoadProbe->Pumped();
}

}  // namespace velura
