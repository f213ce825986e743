#pragma once
#include "platform/windows_version.h"

namespace velura {

WindowsVersion RunningWindowsVersion();
// The version as the kernel reports it (RtlGetVersion), with its build: GetVersionEx reports 6.2 to a
// program whose manifest does not name the newer versions, and Windows 11 as 10. Falls back to GetVersionEx.
WindowsVersion KernelWindowsVersion();
// The process runs with an elevated (administrator) token.
bool ProcessIsElevated();

// The build number as the kernel reports it (RtlGetVersion), which no compatibility shim lowers; 0 when unknown.
std::uint32_t RunningWindowsBuild();

}  // namespace velura
