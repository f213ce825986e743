// Keeping windows on screen as plain arithmetic over the monitors' work areas: a remembered place may lie
// on a monitor since removed or beyond a resolution since lowered, and a window placed beside another may
// reach past the screen's edge.
#pragma once
#include <vector>

namespace velura::ui {

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const ScreenRect&) const = default;
};

// Moved the least distance to lie inside the area; shrunk only where it is larger than the area.
ScreenRect KeepInside(ScreenRect window, const ScreenRect& area);

// A window whose caption can be grabbed on some work area stays as it is; any other moves inside the work
// area nearest to it. Without work areas nothing moves.
ScreenRect BringOntoWorkAreas(const ScreenRect& window, const std::vector<ScreenRect>& workAreas);

}  // namespace velura::ui
