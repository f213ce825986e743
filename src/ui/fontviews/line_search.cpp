#include "ui/fontviews/line_search.h"

namespace velura {

int NextLineStartingWith(int count, int current, const std::function<bool(int line)>& startsWith) {
  if (count <= 0) return -1;
  const int from = current < 0 || current >= count ? count - 1 : current;
  for (int step = 1; step <= count; ++step) {
    const int line = (from + step) % count;
    if (startsWith(line)) return line;
  }
  return -1;
}

}  // namespace velura
