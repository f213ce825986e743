// velura.exe
#include <windows.h>

#include "platform/message_box_win.h"
#include "shell/program_entry_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  velura::InstallWindowsMessageSink();
  return velura::RunVelura();
}
