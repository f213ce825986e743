// The program's entry: one running copy per user session, the NT family only, then the launcher.
#pragma once
#include "shell/single_instance_win.h"

namespace velura {

// Runs the program and returns its exit code.
int RunVelura();

}  // namespace velura
