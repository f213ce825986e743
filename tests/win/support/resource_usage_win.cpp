#include "support/resource_usage_win.h"

#include <windows.h>
#include <psapi.h>

#include "ui/framework/handles_win.h"

namespace velura::testing {

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

}  // namespace

ResourceUsage MeasureResourceUsage() {
  ResourceUsage usage;
  const HANDLE process = GetCurrentProcess();
  usage.gdiObjects = static_cast<int>(GetGuiResources(process, GR_GDIOBJECTS));
  if (usage.gdiObjects == 0) usage.gdiObjects = ui::OwnedHandleCount();
  usage.userObjects = static_cast<int>(GetGuiResources(process, GR_USEROBJECTS));
  if (usage.userObjects == 0)
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&usage.userObjects));
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    usage.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;  // Wine: 0, commit
  return usage;
}

}  // namespace velura::testing
