#include "ui/longop/fresh_keys.h"

namespace velura {

bool FreshKeys::TakeKeyDown(unsigned virtualKey, bool repeat) {
  if (virtualKey >= pressed_.size()) return true;
  if (!repeat) pressed_.set(virtualKey);
  return pressed_.test(virtualKey);
}

bool FreshKeys::TakeKeyUp(unsigned virtualKey) {
  if (virtualKey >= pressed_.size()) return true;
  const bool taken = pressed_.test(virtualKey);
  pressed_.reset(virtualKey);
  return taken;
}

}  // namespace velura
