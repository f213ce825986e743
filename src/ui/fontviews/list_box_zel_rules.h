// What TListBox_zel decides without a window: when a click is reported and how wide the horizontal
// scroll range must be for the lines in view.
#pragma once
#include <functional>

namespace velura {

struct ListBoxZelState {
  bool ClickCancel = false;  // clicks are ignored while set
  int previousIndex = -1;
  int currentIndex = -1;
};

// A click with the list's index now (the caret index with multiple selection, else the selected index).
// Returns whether OnClick fires: only when the index differs from the stored one, which then becomes the
// previous index. With ClickCancel nothing changes and nothing fires.
bool ListBoxZelClick(ListBoxZelState& state, int indexNow);

// trunc(|clientHeight / (fontHeight + 4)|) with the font's height (negative for a character height);
// a font height of -4 counts rows of one pixel.
int ListBoxZelVisibleRows(int clientHeight, int fontHeight);

// The widest line among items top .. top + rows - 1 (at most the last): an item wider than the width so
// far sets it to the width of its text followed by one blank. measure(index, withBlank) gives text widths.
int ListBoxZelExtent(int top, int count, int rows, const std::function<int(int index, bool withBlank)>& measure);

}  // namespace velura
