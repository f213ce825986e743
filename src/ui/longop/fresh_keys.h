// Which keys the status window of a long operation takes. Input queued before the window appeared is thrown
// away when it appears; but a key the user was holding then (Return that chose an archive) goes on
// repeating into the window, and would press "中止". Only keys pressed after the window appeared count,
// with their repeats and their release.
#pragma once
#include <bitset>

namespace velura {

class FreshKeys {
 public:
  // A key going down; `repeat`: it was down before this message (bit 30 of the key message's lParam).
  // True when the window takes it.
  bool TakeKeyDown(unsigned virtualKey, bool repeat);
  bool TakeKeyUp(unsigned virtualKey);
  // A new run: no key pressed yet.
  void Reset() { pressed_.reset(); }

 private:
  std::bitset<256> pressed_;  // pressed since the window appeared and not released
};

}  // namespace velura
