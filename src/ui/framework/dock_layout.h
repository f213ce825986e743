// Dock layout as plain arithmetic: where each child of a window or panel goes, given the client size.
// Design rectangles are 96-DPI pixels; Arrange scales them to the window's DPI. Items are placed in
// declaration order: top items first, then bottom, left, right; the client item takes what is left;
// items without an Align keep their distances to the edges they are anchored to.
#pragma once
#include <string>
#include <vector>

namespace velura::ui::dock {

enum class Align { None, Top, Bottom, Left, Right, Client };

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

struct Anchors {
  bool left = true, top = true, right = false, bottom = false;
};

struct Item {
  std::string name;   // what a splitter's target refers to; may stay empty
  Align align = Align::None;
  Rect design;        // 96-DPI: the position for None, the height for Top/Bottom, the width for Left/Right
  Anchors anchors;    // only for Align::None
  bool visible = true;
  // A splitter resizes this item (same Align, declared before the splitter) when dragged.
  std::string splitterTarget;
  int minSize = 30;   // 96-DPI; the least a splitter leaves to its target and to the client item
};

// An item placed at a 96-DPI design rectangle (Align::None, anchored top-left); a stretching item is
// anchored to the right edge too, so it widens with its parent.
inline Item At(int left, int top, int width, int height, bool stretch = false) {
  Item item;
  item.design = {left, top, width, height};
  item.anchors.right = stretch;
  return item;
}

// An item docked to an edge (size is its 96-DPI width for Left/Right, its height for Top/Bottom) or
// taking the client area (size unused); name it when a splitter resizes it.
inline Item Docked(Align align, int size, std::string name = {}) {
  Item item;
  item.name = std::move(name);
  item.align = align;
  if (align == Align::Left || align == Align::Right) item.design.width = size;
  else item.design.height = size;
  return item;
}

// 96-DPI pixels to the given DPI, rounded to nearest (as MulDiv does).
int Scale(int at96, int dpi);
// Device pixels back to 96-DPI units, rounded to nearest.
int Unscale(int pixels, int dpi);

// The rectangle of every item (index for index), in device pixels of a client area of the given size.
// designClientWidth/Height is the client size the design rectangles were drawn for (96-DPI); anchored
// items keep their distances to its right and bottom edges. Hidden items get an empty rectangle and take
// no space; no size is ever negative.
std::vector<Rect> Arrange(const std::vector<Item>& items, int clientWidth, int clientHeight, int designClientWidth,
                          int designClientHeight, int dpi);

// The index of an item by name, or -1.
int FindItem(const std::vector<Item>& items, const std::string& name);

// Drags splitter `splitter` by delta device pixels (positive: right or down) and returns the new 96-DPI size
// of its target (width for Left/Right, height for Top/Bottom). The target keeps at least its minSize and the
// client item keeps at least the splitter's minSize. Returns -1 when the splitter has no valid target.
int DragSplitter(const std::vector<Item>& items, int splitter, int deltaPixels, int clientWidth, int clientHeight,
                 int designClientWidth, int designClientHeight, int dpi);

}  // namespace velura::ui::dock
