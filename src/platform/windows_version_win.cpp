#include "platform/windows_version_win.h"

#include <windows.h>

namespace velura {

WindowsVersion RunningWindowsVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&info);
#pragma GCC diagnostic pop
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

namespace {

// GetVersionEx reports an older version to programs the system does not think know the newer ones;
// RtlGetVersion tells the truth. It is looked up because ntdll's import library is not always at hand.
bool ReadKernelVersion(OSVERSIONINFOW& info) {
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (!ntdll) return false;
  const auto rtlGetVersion =
      reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
  if (!rtlGetVersion) return false;
  info = OSVERSIONINFOW{};
  info.dwOSVersionInfoSize = sizeof info;
  return rtlGetVersion(&info) == 0;
}

}  // namespace

std::uint32_t RunningWindowsBuild() {
  OSVERSIONINFOW info{};
  return ReadKernelVersion(info) ? info.dwBuildNumber : 0;
}

WindowsVersion KernelWindowsVersion() {
  OSVERSIONINFOW info{};
  if (!ReadKernelVersion(info)) return RunningWindowsVersion();
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

bool ProcessIsElevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const bool read = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  CloseHandle(token);
  return read && elevation.TokenIsElevated != 0;
}

}  // namespace velura
