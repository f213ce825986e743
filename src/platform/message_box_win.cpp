#include "platform/message_box_win.h"

#include "platform/wide_win.h"

namespace velura {

UINT MessageBoxFlags(const MessageRequest& request) {
  UINT flags = 0;
  switch (request.Buttons) {
    case MessageButtons::Ok: flags |= MB_OK; break;
    case MessageButtons::OkCancel: flags |= MB_OKCANCEL; break;
    case MessageButtons::YesNo: flags |= MB_YESNO; break;
    case MessageButtons::YesNoCancel: flags |= MB_YESNOCANCEL; break;
  }
  switch (request.Icon) {
    case MessageIcon::Error: flags |= MB_ICONERROR; break;
    case MessageIcon::Warning: flags |= MB_ICONWARNING; break;
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
    case MessageIcon::None: break;
  }
  if (request.DefaultButton == 1) flags |= MB_DEFBUTTON2;
  if (request.DefaultButton == 2) flags |= MB_DEFBUTTON3;
  return flags;
}

void InstallWindowsMessageSink() {
  SetMessageSink([](const MessageRequest& request) {
    // Owned by the active window, so the box is modal to it; with none (start-up) it stands alone.
    const int answer = MessageBoxW(GetActiveWindow(), AsWide(request.Text), AsWide(request.Caption),
                                   MessageBoxFlags(request));
    switch (answer) {
      case IDCANCEL: return MessageResult::Cancel;
      case IDYES: return MessageResult::Yes;
      case IDNO: return MessageResult::No;
      default: return MessageResult::Ok;
    }
  });
}

}  // namespace velura
