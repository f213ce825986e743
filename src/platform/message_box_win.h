// The Windows sink of ShowMessage: a MessageBoxW owned by the thread's active window.
#pragma once
#include <windows.h>

#include "platform/message_box.h"

namespace velura {

// The MB_ flags of a request: buttons, icon and default button.
UINT MessageBoxFlags(const MessageRequest& request);

// Makes every ShowMessage of the program a real message box; the program's entry calls it once.
void InstallWindowsMessageSink();

}  // namespace velura
