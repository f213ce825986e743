#include "ui/fontviews/list_box_zel_rules.h"

#include <algorithm>
#include <cstdlib>

namespace velura {

bool ListBoxZelClick(ListBoxZelState& state, int indexNow) {
  if (state.ClickCancel || indexNow == state.currentIndex) return false;
  state.previousIndex = state.currentIndex;
  state.currentIndex = indexNow;
  return true;
}

int ListBoxZelVisibleRows(int clientHeight, int fontHeight) {
  const int rowHeight = fontHeight + 4;
  return std::abs(rowHeight == 0 ? clientHeight : clientHeight / rowHeight);
}

int ListBoxZelExtent(int top, int count, int rows, const std::function<int(int index, bool withBlank)>& measure) {
  int width = 0;
  const int last = std::min(count, std::max(0, top) + rows) - 1;
  for (int index = std::max(0, top); index <= last; ++index)
    if (measure(index, false) > width) width = measure(index, true);
  return width;
}

}  // namespace velura
