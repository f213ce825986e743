// The designed font of every status bar, set on one.
#pragma once
#include "ui/framework/window_win.h"

namespace velura::ui {

// "MS UI Gothic" at the size StatusBarFontSize gives the running Windows (9 points where it keeps the
// control's own size). Rescaled with the owner's DPI like every control font.
void SetStatusBarFont(Control& statusBar);

}  // namespace velura::ui
