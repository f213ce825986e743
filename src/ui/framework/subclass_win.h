// Behaviour added to a control without a class of its own: the handler sees each message first, inside
// the same exception guard as the window procedure, and the subclass removes itself when the control is
// destroyed (WM_NCDESTROY), so no handler outlives its control.
#pragma once
#include <windows.h>

#include <functional>

namespace velura::ui {

// Return true with `result` set to answer the message; false passes it on to the control.
using SubclassHandler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

// Adds a handler in front of the control's window procedure; several may be added to one control, the
// last added sees a message first. An exception in the handler is shown to the user and the message
// then goes on to the control as if unhandled.
void Subclass(HWND control, SubclassHandler handler);

// Inside a handler: the answer of the handlers added before it and of the control, for a handler that
// acts on what the control did. Elsewhere: the message through the whole chain.
LRESULT PassToControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace velura::ui
