#include "platform/message_box_win.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "platform/wide_win.h"

namespace velura {

UINT MessageBoxFlags(const MessageRequest& request) {
  UINT flags = 0;
  switch (request.Buttons) {
    case MessageButtons::Ok: flags |= MB_OK; break;
    case MessageButtons::OkCancel: flags |= MB_OKCANCEL; break;
    case MessageButtons::YesNo: flags |= MB_YESNO; break;
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesNoYesToAllCancel: flags |= MB_YESNOCANCEL; break;
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

namespace {

// The four answers need a task dialog; it lives in common controls 6 only, so it is looked up rather than
// imported, and without it the box offers "はい", "いいえ" and "キャンセル".
using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

std::optional<MessageResult> AskFourAnswers(const MessageRequest& request) {
  const HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  const auto taskDialog = controls ? reinterpret_cast<TaskDialogIndirectFn>(
                                         reinterpret_cast<void*>(GetProcAddress(controls, "TaskDialogIndirect")))
                                   : nullptr;
  if (!taskDialog) return std::nullopt;
  static const TASKDIALOG_BUTTON kButtons[] = {{IDYES, L"はい"},
                                               {IDNO, L"いいえ"},
                                               {static_cast<int>(MessageResult::YesToAll), L"すべてはい"},
                                               {IDCANCEL, L"キャンセル"}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = GetActiveWindow();
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = AsWide(request.Caption);
  config.pszMainIcon = request.Icon == MessageIcon::Error ? TD_ERROR_ICON : TD_WARNING_ICON;
  config.pszContent = AsWide(request.Text);
  config.pButtons = kButtons;
  config.cButtons = 4;
  config.nDefaultButton = kButtons[std::clamp(request.DefaultButton, 0, 3)].nButtonID;
  int pressed = 0;
  if (FAILED(taskDialog(&config, &pressed, nullptr, nullptr))) return std::nullopt;
  switch (pressed) {
    case IDYES: return MessageResult::Yes;
    case IDNO: return MessageResult::No;
    case static_cast<int>(MessageResult::YesToAll): return MessageResult::YesToAll;
    default: return MessageResult::Cancel;
  }
}

}  // namespace

void InstallWindowsMessageSink() {
  SetMessageSink([](const MessageRequest& request) {
    if (request.Buttons == MessageButtons::YesNoYesToAllCancel)
      if (const auto answer = AskFourAnswers(request)) return *answer;
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
