#include "shell/program_entry_win.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "platform/message_box.h"
#include "shell/ini_keeper_global_win.h"
#include "shell/main_velura_win.h"
#include "ui/framework/error_report_win.h"
#include "ui/framework/message_loop_win.h"

namespace velura {

namespace {

// Releases the instance mutex when the program ends, however it ends.
struct InstanceMutex {
  HANDLE handle;
  ~InstanceMutex() {
    if (handle) CloseHandle(handle);
  }
};

}  // namespace

int RunVelura() {
  if (HANDLE running = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstanceMutex)) {
    ShowMessage(u"すでに起動しています。", u"VELURA", MessageIcon::Error);
    CloseHandle(running);
    return 0;
  }
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&version);
#pragma GCC diagnostic pop
  if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
    ShowMessage(u"Windows9x系では動作しません", u"VELURA", MessageIcon::Error);
    return 0;
  }
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) return 0;

  InstanceMutex mutex{CreateMutexW(nullptr, FALSE, kInstanceMutex)};
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_HOTKEY_CLASS | ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES |
                                                     ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the shell's folder dialogs need it
  int exitCode = 0;
  try {
    auto launcher = std::make_unique<Tmain_velura>(IniKeeper);
    if (launcher->FormShow()) exitCode = ui::RunMessageLoop();
  } catch (...) {
    ui::ReportCurrentException();  // the engine could not start (registry), or another failure
    exitCode = 1;
  }
  CoUninitialize();
  return exitCode;
}

}  // namespace velura
