// The status bar part that tells why administrator commands are greyed; a click on it runs
// "管理者として再起動" as the menu item does.
#pragma once
#include <functional>

#include "ui/fontviews/elevation_offer.h"
#include "ui/framework/window_win.h"

namespace velura {

void ShowElevationHint(ui::Control& statusBar, int part, AdminOnlyCommands commands, std::function<void()> restart);

}  // namespace velura
