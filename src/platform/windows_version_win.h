#pragma once
#include "platform/windows_version.h"

namespace velura {

WindowsVersion RunningWindowsVersion();

}  // namespace velura
