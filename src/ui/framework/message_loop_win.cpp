#include "ui/framework/message_loop_win.h"

#include <algorithm>
#include <vector>

#include "ui/framework/error_report_win.h"
#include "ui/framework/form_win.h"

namespace velura::ui {
namespace {

std::vector<Form*>& Forms() {
  static std::vector<Form*> forms;  // the UI thread's forms; the program has one UI thread
  return forms;
}

bool IsRegistered(const Form* form) {
  const auto& forms = Forms();
  return std::find(forms.begin(), forms.end(), form) != forms.end();
}

// Processes one queued message; with none, runs the idle updates once after some messages were processed,
// else waits for the next. False when WM_QUIT arrived (its code in quitCode).
bool ProcessQueue(bool& idle, int& quitCode) {
  MSG message;
  if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitCode = static_cast<int>(message.wParam);
      return false;
    }
    if (!PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    idle = true;
    return true;
  }
  if (idle) {
    RunIdleUpdates();
    idle = false;
    return true;
  }
  WaitMessage();
  return true;
}

}  // namespace

void RegisterForm(Form& form) {
  if (!IsRegistered(&form)) Forms().push_back(&form);
}

void UnregisterForm(Form& form) { std::erase(Forms(), &form); }

Form* FormOf(HWND hwnd) {
  if (!hwnd) return nullptr;
  for (Form* form : Forms())
    if (form->Hwnd() == hwnd) return form;
  return nullptr;
}

bool PreTranslate(MSG& message) {
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
    Form* active = FormOf(GetActiveWindow());
    if (active && IsWindowEnabled(active->Hwnd())) {
      if (HACCEL table = active->Accelerators(); table && TranslateAcceleratorW(active->Hwnd(), table, &message))
        return true;
    }
  }
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  Form* owner = FormOf(root);
  return owner && owner->UsesDialogKeys() && IsDialogMessageW(root, &message);
}

void RunIdleUpdates() {
  const std::vector<Form*> forms = Forms();  // an update may close a form
  for (Form* form : forms) {
    if (!IsRegistered(form) || !form->Hwnd()) continue;
    try {
      form->UpdateActionControls();
      form->OnIdle();
    } catch (...) {
      ReportCurrentException();
    }
  }
}

int RunMessageLoop() {
  bool idle = true;
  int quitCode = 0;
  while (ProcessQueue(idle, quitCode)) {
  }
  return quitCode;
}

bool RunNestedLoop(const std::function<bool()>& done) {
  bool idle = true;
  int quitCode = 0;
  while (!done()) {
    if (!ProcessQueue(idle, quitCode)) {
      PostQuitMessage(quitCode);
      return false;
    }
  }
  return true;
}

}  // namespace velura::ui
