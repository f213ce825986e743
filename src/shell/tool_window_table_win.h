// The launcher's tool windows with their factories: the standard rows, each with the window that exists.
// A new window joins here: its row gets a factory, and its button works from then on.
#pragma once
#include "shell/tool_window_win.h"

namespace velura {

ToolWindowTable StandardToolWindows();

}  // namespace velura
