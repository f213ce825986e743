#include "ui/framework/screen_fit.h"

#include <algorithm>
#include <limits>

namespace velura::ui {

namespace {

// How much of the caption must lie on a work area for the user to drag the window back: a piece of its
// width, and its top edge with room below it for the caption.
constexpr int kGripWidth = 40;
constexpr int kCaptionHeight = 20;

bool CaptionReachable(const ScreenRect& window, const ScreenRect& area) {
  const int overlap = std::min(window.right, area.right) - std::max(window.left, area.left);
  return overlap >= std::min(kGripWidth, window.Width()) && window.top >= area.top &&
         window.top + kCaptionHeight <= area.bottom;
}

long long DistanceSquared(const ScreenRect& window, const ScreenRect& area) {
  const long long dx = std::max({0, area.left - window.right, window.left - area.right});
  const long long dy = std::max({0, area.top - window.bottom, window.top - area.bottom});
  return dx * dx + dy * dy;
}

}  // namespace

ScreenRect KeepInside(ScreenRect window, const ScreenRect& area) {
  const int width = std::min(window.Width(), area.Width());
  const int height = std::min(window.Height(), area.Height());
  const int left = std::clamp(window.left, area.left, area.right - width);
  const int top = std::clamp(window.top, area.top, area.bottom - height);
  return {left, top, left + width, top + height};
}

ScreenRect BringOntoWorkAreas(const ScreenRect& window, const std::vector<ScreenRect>& workAreas) {
  if (workAreas.empty()) return window;
  for (const ScreenRect& area : workAreas)
    if (CaptionReachable(window, area)) return window;
  const ScreenRect* nearest = &workAreas.front();
  long long best = std::numeric_limits<long long>::max();
  for (const ScreenRect& area : workAreas) {
    const long long distance = DistanceSquared(window, area);
    if (distance < best) best = distance, nearest = &area;
  }
  return KeepInside(window, *nearest);
}

}  // namespace velura::ui
