// "管理者として再起動": starts this program's own file again through the shell with the "runas" verb and
// nothing else, after announcing the hand-over to it (single_instance_win.h).
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "platform/kernel_handles_win.h"
#include "shell/elevated_restart.h"

namespace velura {

// ShellExecuteExW, or a stand-in that records what it is given.
using ShellExecuteExCall = std::function<BOOL(SHELLEXECUTEINFOW&)>;

class ElevatedRestart {
 public:
  explicit ElevatedRestart(ShellExecuteExCall execute = [](SHELLEXECUTEINFOW& info) { return ShellExecuteExW(&info); })
      : execute_(std::move(execute)) {}

  // The announcement stays, until this object goes, only when the copy started. Its owner outlives the
  // single-instance mutex, so the new copy never finds the mutex taken without the announcement.
  ElevatedStartOutcome Start(HWND owner);
  bool Announced() const { return static_cast<bool>(handOver_); }

 private:
  ShellExecuteExCall execute_;
  UniqueKernelHandle handOver_;
};

// The system's description of an error code; empty when it has none.
std::u16string SystemErrorText(DWORD error);

}  // namespace velura
