// Where a folder load spends its time: the loops and the browser mark their phases through their loop
// context, and a listener (the load benchmark) installed there takes the marks.
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

}  // namespace velura
