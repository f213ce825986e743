#pragma once
#include "platform/windows_version.h"

namespace velura {

WindowsVersion RunningWindowsVersion();

// The build number as the kernel reports it (RtlGetVersion), which no compatibility shim lowers; 0 when unknown.
std::uint32_t RunningWindowsBuild();

}  // namespace velura
