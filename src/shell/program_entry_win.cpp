#include "shell/program_entry_win.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "platform/kernel_handles_win.h"
#include "platform/message_box.h"
#include "platform/stored_files_folder_win.h"
#include "platform/windows_version_win.h"
#include "settings/ini_keeper_global_win.h"
#include "shell/elevated_restart_win.h"
#include "shell/main_velura_win.h"
#include "ui/framework/error_report_win.h"
#include "ui/framework/message_loop_win.h"

namespace velura {

int RunVelura() {
  // Goes after the mutex: a copy that hands over to an elevated one keeps announcing it until then.
  ElevatedRestart restart;
  // Released when the program ends, however it ends.
  const InstanceClaim instance = ClaimSingleInstance();
  if (instance.refused) {
    ShowMessage(u"すでに起動しています。", u"VELURA", MessageIcon::Error);
    return 0;
  }
  const WindowsVersion version = RunningWindowsVersion();
  if (version.Platform == VER_PLATFORM_WIN32_WINDOWS) {
    ShowMessage(u"Windows9x系では動作しません", u"VELURA", MessageIcon::Error);
    return 0;
  }
  if (version.Platform != VER_PLATFORM_WIN32_NT) return 0;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_HOTKEY_CLASS | ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES |
                                                     ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  TellWhereStoredFilesAreKept();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the shell's folder dialogs need it
  int exitCode = 0;
  try {
    // The launcher creates the tool windows it starts with, and they go before it.
    Tmain_velura launcher(IniKeeper, StandardToolWindows(), {}, &restart);
    if (launcher.FormShow()) exitCode = ui::RunMessageLoop();
  } catch (...) {
    ui::ReportCurrentException();  // the engine could not start (registry), or another failure
    exitCode = 1;
  }
  CoUninitialize();
  return exitCode;
}

}  // namespace velura
