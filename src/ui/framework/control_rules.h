// Portable rules of the typed control helpers (host-tested): spin-edit clamping, list-view column widths
// across DPI changes, which list-view item changes are selection changes and ticks, and where a context
// menu opened from the keyboard appears.
#pragma once
#include <optional>

#include "ui/framework/dock_layout.h"

namespace velura::ui {

// The value inside a spin edit's range; the ends may come in either order (an up-down whose minimum is
// above its maximum counts the other way).
int ClampToRange(int value, int end1, int end2);

// A width in pixels at fromDpi, at toDpi: rounded to nearest as MulDiv does; never below 0.
int RescaleWidth(int width, int fromDpi, int toDpi);

// One list-view item change (LVN_ITEMCHANGED) as the rules need it: whether its state changed, and the
// selection and state image (LVS_EX_CHECKBOXES: 1 unticked, 2 ticked) before and after.
struct ListItemChange {
  int item = -1;
  bool stateChanged = false;
  bool wasSelected = false, isSelected = false;
  int oldImage = 0, newImage = 0;
};
// The item gained or lost the selection.
bool IsSelectionChange(const ListItemChange& change);
// The item's tick was set (true) or cleared (false); none for any other change, including an item being
// given its first state image (0 -> unticked), which list views report after an insert.
std::optional<bool> TickChange(const ListItemChange& change);

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// Where a pop-up opened from the keyboard (Shift+F10, the menu key) appears, in the control's client
// coordinates: under the left end of the selected item while any of the item is in view (kept inside the
// client area), else at the client's top-left.
Point KeyboardMenuPoint(const std::optional<dock::Rect>& selectedItem, const dock::Rect& client);

}  // namespace velura::ui
