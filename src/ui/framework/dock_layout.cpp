#include "ui/framework/dock_layout.h"

#include <algorithm>
#include <cstdint>

namespace velura::ui::dock {
namespace {

int NonNegative(int value) { return std::max(0, value); }

// The area not yet taken by docked items.
struct Remaining {
  int left, top, right, bottom;
  int Width() const { return NonNegative(right - left); }
  int Height() const { return NonNegative(bottom - top); }
};

Rect Place(const Item& item, Remaining& rest, int dpi) {
  switch (item.align) {
    case Align::Top: {
      const int h = std::min(NonNegative(Scale(item.design.height, dpi)), rest.Height());
      const Rect r{rest.left, rest.top, rest.Width(), h};
      rest.top += h;
      return r;
    }
    case Align::Bottom: {
      const int h = std::min(NonNegative(Scale(item.design.height, dpi)), rest.Height());
      rest.bottom -= h;
      return Rect{rest.left, rest.bottom, rest.Width(), h};
    }
    case Align::Left: {
      const int w = std::min(NonNegative(Scale(item.design.width, dpi)), rest.Width());
      const Rect r{rest.left, rest.top, w, rest.Height()};
      rest.left += w;
      return r;
    }
    case Align::Right: {
      const int w = std::min(NonNegative(Scale(item.design.width, dpi)), rest.Width());
      rest.right -= w;
      return Rect{rest.right, rest.top, w, rest.Height()};
    }
    case Align::Client:
      return Rect{rest.left, rest.top, rest.Width(), rest.Height()};
    case Align::None:
      break;
  }
  return {};
}

// One axis of an anchored item: start and length in device pixels.
void AnchorAxis(int designStart, int designLength, int designClient, bool nearEdge, bool farEdge, int client,
                int dpi, int& start, int& length) {
  const int farDistance = Scale(designClient - designStart - designLength, dpi);
  start = Scale(designStart, dpi);
  length = NonNegative(Scale(designLength, dpi));
  if (nearEdge && farEdge) {
    length = NonNegative(client - farDistance - start);
  } else if (farEdge) {
    start = client - farDistance - length;
  }
}

}  // namespace

int Scale(int at96, int dpi) {
  const std::int64_t product = static_cast<std::int64_t>(at96) * dpi;
  return static_cast<int>(product >= 0 ? (product + 48) / 96 : -((-product + 48) / 96));
}

int Unscale(int pixels, int dpi) {
  if (dpi <= 0) return pixels;
  const std::int64_t product = static_cast<std::int64_t>(pixels) * 96;
  return static_cast<int>(product >= 0 ? (product + dpi / 2) / dpi : -((-product + dpi / 2) / dpi));
}

std::vector<Rect> Arrange(const std::vector<Item>& items, int clientWidth, int clientHeight, int designClientWidth,
                          int designClientHeight, int dpi) {
  std::vector<Rect> rects(items.size());
  Remaining rest{0, 0, NonNegative(clientWidth), NonNegative(clientHeight)};
  for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client})
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].visible && items[i].align == pass) rects[i] = Place(items[i], rest, dpi);

  for (std::size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    if (!item.visible || item.align != Align::None) continue;
    Rect& r = rects[i];
    AnchorAxis(item.design.left, item.design.width, designClientWidth, item.anchors.left, item.anchors.right,
               clientWidth, dpi, r.left, r.width);
    AnchorAxis(item.design.top, item.design.height, designClientHeight, item.anchors.top, item.anchors.bottom,
               clientHeight, dpi, r.top, r.height);
  }
  return rects;
}

int FindItem(const std::vector<Item>& items, const std::string& name) {
  if (name.empty()) return -1;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].name == name) return static_cast<int>(i);
  return -1;
}

int DragSplitter(const std::vector<Item>& items, int splitter, int deltaPixels, int clientWidth, int clientHeight,
                 int designClientWidth, int designClientHeight, int dpi) {
  if (splitter < 0 || splitter >= static_cast<int>(items.size())) return -1;
  const Item& bar = items[splitter];
  const int target = FindItem(items, bar.splitterTarget);
  if (target < 0 || target >= splitter || items[target].align != bar.align || bar.align == Align::None ||
      bar.align == Align::Client)
    return -1;

  const std::vector<Rect> rects =
      Arrange(items, clientWidth, clientHeight, designClientWidth, designClientHeight, dpi);
  const bool horizontal = bar.align == Align::Left || bar.align == Align::Right;
  const int current = horizontal ? rects[target].width : rects[target].height;
  const bool grows = bar.align == Align::Left || bar.align == Align::Top;
  int wanted = current + (grows ? deltaPixels : -deltaPixels);

  // What the client item can give up; without a visible client item the target cannot grow.
  int spare = 0;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].visible && items[i].align == Align::Client) {
      spare = (horizontal ? rects[i].width : rects[i].height) - Scale(bar.minSize, dpi);
      break;
    }
  wanted = std::min(wanted, current + std::max(0, spare));
  wanted = std::max(wanted, std::min(current, Scale(items[target].minSize, dpi)));
  return Unscale(wanted, dpi);
}

}  // namespace velura::ui::dock
