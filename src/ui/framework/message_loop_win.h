// The message loop of the UI thread and the registry of forms it serves: per message, the accelerators of
// the active form, then IsDialogMessageW for the form that owns the message, then dispatch; when the
// queue is empty, the idle updates of every form (action enable states).
#pragma once
#include <windows.h>

#include <functional>

namespace velura::ui {

class Form;

void RegisterForm(Form& form);
void UnregisterForm(Form& form);
// The registered form with this top-level HWND, or null.
Form* FormOf(HWND hwnd);

// Accelerators and dialog keys; true when the message was handled and must not be dispatched.
bool PreTranslate(MSG& message);
void RunIdleUpdates();

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();
// Runs until done() holds or WM_QUIT arrives; a WM_QUIT is posted again for the outer loop and ends it.
// Returns false when it ended on WM_QUIT.
bool RunNestedLoop(const std::function<bool()>& done);

}  // namespace velura::ui
