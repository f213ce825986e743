// What a process holds of the window system and of memory, for leak checks over many rounds of work.
#pragma once
#include <cstddef>

namespace velura::testing {

struct ResourceUsage {
  int gdiObjects = 0;   // GetGuiResources, or the program's owned handles where the system answers 0 (Wine)
  int userObjects = 0;  // GetGuiResources, or the windows of this thread where the system answers 0
  std::size_t privateBytes = 0;
};
ResourceUsage MeasureResourceUsage();

}  // namespace velura::testing
