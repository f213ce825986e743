// Picture strips from the program's resources as image lists.
#pragma once
#include <windows.h>

#include "ui/framework/handles_win.h"

namespace velura::ui {

// A strip of 32-bit cells with alpha (BITMAP resources): the 2x strip from 144 DPI up, else the 1x one.
// The cells keep their drawn size; the strips are drawn for 96 and 192 DPI.
UniqueImageList LoadImageStrip(int resource1x, int resource2x, int cell96, int dpi);

}  // namespace velura::ui
