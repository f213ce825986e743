#include "ui/framework/form_win.h"

#include "ui/framework/menu_win.h"
#include "ui/framework/message_loop_win.h"

namespace velura::ui {
namespace {

HWND& MainWindowHandle() {
  static HWND main = nullptr;
  return main;
}

}  // namespace

void SetMainWindow(HWND hwnd) { MainWindowHandle() = hwnd; }
HWND MainWindow() { return IsWindow(MainWindowHandle()) ? MainWindowHandle() : nullptr; }

Form::Form() { SetActions(&actions_); }

Form::~Form() {
  UnregisterForm(*this);
  Destroy();
}

HACCEL Form::Accelerators() {
  if (acceleratorGeneration_ != actions_.ShortcutGeneration()) {
    accelerators_ = BuildAccelerators(actions_);
    acceleratorGeneration_ = actions_.ShortcutGeneration();
  }
  return accelerators_.Get();
}

void Form::SetMenuBar(UniqueMenu menu) {
  menuBar_ = std::move(menu);
  if (hwnd_) SetMenu(hwnd_, menuBar_.Get());
}

void Form::SetContextMenu(const Control& control, const std::vector<MenuEntry>& entries) {
  SetContextMenu(control.hwnd, entries);
}

void Form::SetContextMenu(HWND target, const std::vector<MenuEntry>& entries) {
  UniqueMenu popup = BuildMenu(actions_, entries, true);
  for (auto& [window, menu] : contextMenus_) {
    if (window == target) {
      menu = std::move(popup);
      return;
    }
  }
  contextMenus_.emplace_back(target, std::move(popup));
}

HMENU Form::ContextMenu(const Control& control) const { return ContextMenu(control.hwnd); }

HMENU Form::ContextMenu(HWND target) const {
  for (const auto& [window, menu] : contextMenus_)
    if (window == target) return menu.Get();
  return nullptr;
}

HWND Form::CreateForm(const std::wstring& caption, DWORD style, DWORD exStyle, int clientWidth96,
                      int clientHeight96, HWND owner, Placement placement) {
  const int dpi = ScreenDpi();
  RECT frame{0, 0, dock::Scale(clientWidth96, dpi), dock::Scale(clientHeight96, dpi)};
  AdjustWindowRectEx(&frame, style, menuBar_ ? TRUE : FALSE, exStyle);
  SetDesignClientSize(clientWidth96, clientHeight96);
  CreateHwnd(caption, style, exStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
             frame.bottom - frame.top, owner);
  if (!hwnd_) return nullptr;
  RegisterForm(*this);
  if (menuBar_) SetMenu(hwnd_, menuBar_.Get());
  if (placement == Placement::CentreScreen) CentreOnScreen();
  return hwnd_;
}

void Form::CentreOnScreen() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT frame{};
  GetWindowRect(hwnd_, &frame);
  const RECT& screen = monitor.rcMonitor;
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(hwnd_, nullptr, screen.left + (screen.right - screen.left - width) / 2,
               screen.top + (screen.bottom - screen.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show(int command) {
  if (!hwnd_) return;
  Relayout();
  ShowWindow(hwnd_, command);
  UpdateWindow(hwnd_);
}

void Form::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

int Form::ShowModal() {
  if (!hwnd_ || modal_) return 0;
  // The owner, and the main window too: its commands (closing every window) must not reach a window that
  // waits here. Only what was enabled is disabled, and exactly that is enabled again.
  std::vector<HWND> disabled;
  for (const HWND hwnd : {GetWindow(hwnd_, GW_OWNER), MainWindow()}) {
    if (!hwnd || hwnd == hwnd_ || !IsWindowEnabled(hwnd)) continue;
    EnableWindow(hwnd, FALSE);
    disabled.push_back(hwnd);
  }
  modal_ = true;
  modalResult_ = 0;
  Show();
  RunNestedLoop([this] { return !modal_ || !hwnd_; });
  modal_ = false;
  for (const HWND hwnd : disabled)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
  return modalResult_;
}

void Form::EndModal(int result) {
  modalResult_ = result;
  modal_ = false;
  PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the nested loop
}

void Form::OnClose() {
  if (modal_) EndModal(IDCANCEL);
  else DestroyWindow(hwnd_);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    OnClose();
    return 0;
  }
  if (message == WM_CONTEXTMENU) {  // panels pass it up with the control in wParam (Window::OnMessage)
    const HWND target = reinterpret_cast<HWND>(wParam);
    for (const auto& [control, menu] : contextMenus_) {
      if (control != target || !IsWindow(target)) continue;
      const POINT at = ContextMenuPoint(target, lParam);
      UpdateMenu(menu.Get(), actions_);
      ShowPopupMenu(hwnd_, menu.Get(), at.x, at.y);
      return 0;
    }
  }
  return Window::OnMessage(message, wParam, lParam);
}

}  // namespace velura::ui
