#include "ui/framework/control_rules.h"

#include <algorithm>
#include <cstdint>

namespace velura::ui {

int ClampToRange(int value, int end1, int end2) {
  return std::clamp(value, std::min(end1, end2), std::max(end1, end2));
}

int RescaleWidth(int width, int fromDpi, int toDpi) {
  if (width <= 0 || fromDpi <= 0 || toDpi <= 0) return std::max(width, 0);
  const std::int64_t scaled = (static_cast<std::int64_t>(width) * toDpi * 2 + fromDpi) / (2 * fromDpi);
  return static_cast<int>(scaled);
}

bool IsSelectionChange(const ListItemChange& change) {
  return change.stateChanged && change.wasSelected != change.isSelected;
}

std::optional<bool> TickChange(const ListItemChange& change) {
  constexpr int kUnticked = 1, kTicked = 2;
  const auto known = [](int image) { return image == kUnticked || image == kTicked; };
  if (!change.stateChanged || change.item < 0 || change.oldImage == change.newImage || !known(change.oldImage) ||
      !known(change.newImage))
    return std::nullopt;
  return change.newImage == kTicked;
}

Point KeyboardMenuPoint(const std::optional<dock::Rect>& selectedItem, const dock::Rect& client) {
  const Point topLeft{client.left, client.top};
  if (!selectedItem || selectedItem->width <= 0 || selectedItem->height <= 0) return topLeft;
  const dock::Rect& item = *selectedItem;
  const bool inView = item.Bottom() > client.top && item.top < client.Bottom() && item.Right() > client.left &&
                      item.left < client.Right();
  if (!inView) return topLeft;
  const int right = std::max(client.left, client.Right() - 1), bottom = std::max(client.top, client.Bottom() - 1);
  return {std::clamp(item.left, client.left, right), std::clamp(item.Bottom(), client.top, bottom)};
}

}  // namespace velura::ui
