// The status bar line that tells why administrator commands are greyed: a bar of its own at the window's
// bottom edge, so the text is never cut by the designed parts of the window's other bars. A click on it
// runs "管理者として再起動" as the menu item does.
#pragma once
#include <functional>

#include "ui/fontviews/elevation_offer.h"
#include "ui/framework/window_win.h"

namespace velura {

// Made before the window's other status bars, which then lie above it (StackAboveHintBar).
ui::Control& AddElevationHintBar(ui::Window& window, AdminOnlyCommands commands, std::function<void()> restart);

// A status bar above the hint bar keeps its dock instead of placing itself at the bottom, without a grip.
void StackAboveHintBar(ui::Control& bar);

}  // namespace velura
