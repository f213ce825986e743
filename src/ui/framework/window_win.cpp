#include "ui/framework/window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/framework/error_report_win.h"
#include "ui/framework/menu_win.h"

// Windows 8.1 and later send it to per-monitor aware windows; the SDK hides it for a Windows 7 target.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace velura::ui {
namespace {

constexpr wchar_t kWindowClass[] = L"VeluraWindow";

ATOM RegisterWindowClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass);
  }();
  return atom;
}

LOGFONTW MakeLogFont(const FontSpec& request, int dpi) {
  LOGFONTW font{};
  font.lfHeight = request.pixels ? -dock::Scale(request.pixels, dpi) : -MulDiv(request.points, dpi, 72);
  font.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = request.italic;
  font.lfUnderline = request.underline;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  wcsncpy(font.lfFaceName, request.face.c_str(), LF_FACESIZE - 1);
  return font;
}

}  // namespace

Window* WindowOf(HWND hwnd) {
  wchar_t name[32] = {};
  if (!hwnd || !GetClassNameW(hwnd, name, 32) || wcscmp(name, kWindowClass) != 0) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Control* ControlOf(HWND hwnd) {
  if (!hwnd) return nullptr;
  for (HWND above = GetAncestor(hwnd, GA_PARENT); above; above = GetAncestor(above, GA_PARENT))
    if (Window* window = WindowOf(above))
      if (Control* control = window->FindControl(hwnd)) return control;
  return nullptr;
}

void SetVisible(Control& control, bool visible) {
  control.dock.visible = visible;
  ShowWindow(control.hwnd, visible ? SW_SHOWNA : SW_HIDE);
  if (control.owner) control.owner->Relayout();
}

void SetFont(Control& control, const FontSpec& font) {
  if (!control.owner) throw std::logic_error("SetFont: the control has no owner window");
  control.font = font;
  SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.owner->FontHandle(font)), TRUE);
}

int ScreenDpi() {
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetWindowTextIfChanged(HWND hwnd, const std::wstring& text) {
  if (WindowText(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

HWND Window::CreateHwnd(const std::wstring& caption, DWORD style, DWORD exStyle, int x, int y, int width,
                        int height, HWND parentOrOwner, int id) {
  RegisterWindowClass(&Window::Proc);
  dpi_ = ScreenDpi();
  CreateWindowExW(exStyle, kWindowClass, caption.c_str(), style, x, y, width, height, parentOrOwner,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this);
  return hwnd_;
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {  // unbind first: nothing may reach the object through a dead HWND
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->controls_.clear();
    self->fonts_.clear();
    try {
      self->OnDestroyed();
    } catch (...) {
      ReportCurrentException();
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  try {
    return self->OnMessage(message, wParam, lParam);
  } catch (...) {
    ReportCurrentException();
  }
  return 0;
}

Control& Window::Add(const ControlSpec& request) {
  Control& control = controls_.emplace_back();
  control.owner = this;
  control.id = request.id ? request.id : nextId_++;
  control.dock = request.dock;
  DWORD style = WS_CHILD | request.style;
  if (request.dock.visible) style |= WS_VISIBLE;
  // The record exists before the HWND: owner-draw controls ask WM_MEASUREITEM while being created.
  control.hwnd = CreateWindowExW(request.exStyle, request.className, request.text.c_str(), style, 0, 0, 0, 0, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (control.hwnd) SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font_)), FALSE);
  return control;
}

Control& Window::Adopt(HWND child, int id, const dock::Item& dock) {
  Control& control = controls_.emplace_back();
  control.owner = this;
  control.hwnd = child;
  control.id = id;
  control.dock = dock;
  return control;
}

Control* Window::FindControl(int id) {
  for (Control& control : controls_)
    if (control.id == id) return &control;
  return nullptr;
}

Control* Window::FindControl(HWND hwnd) {
  if (!hwnd) return nullptr;
  for (Control& control : controls_)
    if (control.hwnd == hwnd) return &control;
  return nullptr;
}

void Window::SetControlVisible(Control& control, bool visible) {
  if (!control.owner) control.owner = this;  // a record made by hand: taken for one of ours
  ui::SetVisible(control, visible);
}

void Window::SetDesignClientSize(int width, int height) {
  designWidth_ = width;
  designHeight_ = height;
}

void Window::SetFont(const FontSpec& font) {
  font_ = font;
  for (Control& control : controls_)
    if (!control.font)
      SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font_)), TRUE);
}

HFONT Window::FontHandle(const FontSpec& request) {
  for (auto& [cached, handle] : fonts_)
    if (cached == request) return handle.Get();
  const LOGFONTW logFont = MakeLogFont(request, dpi_);
  fonts_.emplace_back(request, UniqueFont(CreateFontIndirectW(&logFont)));
  return fonts_.back().second.Get();
}

void Window::SetControlFont(Control& control, const FontSpec& request) {
  if (!control.owner) control.owner = this;
  ui::SetFont(control, request);
}

dock::Rect Window::DesignRect(const Control& control) const {
  std::vector<dock::Item> items;
  std::size_t index = 0;
  for (const Control& each : controls_) {
    if (&each == &control) index = items.size();
    items.push_back(each.dock);
  }
  RECT client{};
  if (hwnd_) GetClientRect(hwnd_, &client);
  const int width = designWidth_ ? designWidth_ : dock::Unscale(client.right, dpi_);
  const int height = designHeight_ ? designHeight_ : dock::Unscale(client.bottom, dpi_);
  const auto rects = dock::Arrange(items, width, height, width, height, 96);
  return index < rects.size() ? rects[index] : dock::Rect{};
}

void Window::Relayout() {
  if (!hwnd_ || IsIconic(hwnd_)) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  std::vector<dock::Item> items;
  items.reserve(controls_.size());
  for (const Control& control : controls_) items.push_back(control.dock);
  const int designWidth = designWidth_ ? designWidth_ : dock::Unscale(client.right, dpi_);
  const int designHeight = designHeight_ ? designHeight_ : dock::Unscale(client.bottom, dpi_);
  const auto rects = dock::Arrange(items, client.right, client.bottom, designWidth, designHeight, dpi_);

  HDWP batch = BeginDeferWindowPos(static_cast<int>(controls_.size()));
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Control& control = controls_[i];
    if (!control.hwnd || !control.dock.visible || !control.layoutManaged) continue;
    const dock::Rect& r = rects[i];
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (batch) batch = DeferWindowPos(batch, control.hwnd, nullptr, r.left, r.top, r.width, r.height, flags);
    if (!batch) SetWindowPos(control.hwnd, nullptr, r.left, r.top, r.width, r.height, flags);
  }
  if (batch) EndDeferWindowPos(batch);
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].onPlaced && controls_[i].dock.visible && controls_[i].layoutManaged)
      controls_[i].onPlaced(rects[i]);
}

void Window::DragSplitter(const Control& splitter, int deltaPixels) {
  std::vector<dock::Item> items;
  int index = -1;
  for (const Control& control : controls_) {
    if (&control == &splitter) index = static_cast<int>(items.size());
    items.push_back(control.dock);
  }
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int designWidth = designWidth_ ? designWidth_ : dock::Unscale(client.right, dpi_);
  const int designHeight = designHeight_ ? designHeight_ : dock::Unscale(client.bottom, dpi_);
  const int size =
      dock::DragSplitter(items, index, deltaPixels, client.right, client.bottom, designWidth, designHeight, dpi_);
  const int target = dock::FindItem(items, splitter.dock.splitterTarget);
  if (size < 0 || target < 0) return;
  dock::Rect& design = controls_[static_cast<std::size_t>(target)].dock.design;
  (splitter.dock.align == dock::Align::Left || splitter.dock.align == dock::Align::Right ? design.width
                                                                                         : design.height) = size;
  Relayout();
}

void Window::UpdateActionControls() {
  for (Control& control : controls_) {
    if (control.onIdle) control.onIdle();
    if (control.actionId && actions_) {
      const bool enabled = actions_->IsEnabled(control.actionId);
      if (!IsWindowEnabled(control.hwnd) != !enabled) EnableWindow(control.hwnd, enabled);
    } else if (Window* panel = WindowOf(control.hwnd)) {
      panel->UpdateActionControls();
    }
  }
}

void Window::ApplyDpi(int dpi) {
  if (dpi == dpi_) return;
  const int oldDpi = dpi_;
  dpi_ = dpi;
  fonts_.clear();
  for (Control& control : controls_) {
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(control.font.value_or(font_))), TRUE);
    if (control.onDpiChange) control.onDpiChange(oldDpi, dpi);
    if (Window* panel = WindowOf(control.hwnd)) panel->ApplyDpi(dpi);
  }
  Relayout();
}

bool Window::RouteToControl(Control* control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return control && control->onParentMessage && control->onParentMessage(message, wParam, lParam, result);
}

LRESULT Window::RouteCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  const HWND from = reinterpret_cast<HWND>(lParam);
  Control* control = from ? FindControl(from) : nullptr;
  if (control && control->actionId && code == BN_CLICKED) {
    if (actions_) actions_->Execute(control->actionId);
    return 0;
  }
  if (control && control->onCommand) {
    control->onCommand(code);
    return 0;
  }
  // Enter and Esc reach the frame from IsDialogMessageW as IDOK/IDCANCEL or as the default button's id,
  // also when the button sits in a panel: hand it to the window that owns the button.
  if (from && !control && GetParent(from) != hwnd_ && IsChild(hwnd_, from))
    return SendMessageW(GetParent(from), WM_COMMAND, wParam, lParam);
  const int buttonId = id == IDCANCEL ? cancelButtonId_ : id == IDOK ? defaultButtonId_ : 0;
  if (buttonId && buttonId != id) {
    if (Control* button = FindControl(buttonId)) {
      if (IsWindowEnabled(button->hwnd)) SendMessageW(button->hwnd, BM_CLICK, 0, 0);
      return 0;
    }
  }
  if (actions_) actions_->Execute(id);  // menus, accelerators and tool buttons carry the action's id
  return 0;
}

LRESULT Window::RouteNotify(NMHDR& header) {
  if (header.code == TTN_GETDISPINFOW && actions_) {  // tool-button tips: the action's hint
    if (const Action* action = actions_->Find(static_cast<int>(header.idFrom))) {
      auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
      info.lpszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(action->hint.c_str()));
      return 0;
    }
  }
  Control* control = FindControl(header.hwndFrom);
  if (!control) control = FindControl(static_cast<int>(header.idFrom));
  if (control && control->onNotify) return control->onNotify(header);
  return 0;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) Relayout();
      return 0;
    case WM_COMMAND:
      return RouteCommand(wParam, lParam);
    case WM_NOTIFY:
      return RouteNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw->CtlType != ODT_MENU && RouteToControl(FindControl(draw->hwndItem), message, wParam, lParam, result))
        return result;
      break;
    }
    case WM_MEASUREITEM:
      if (wParam && RouteToControl(FindControl(static_cast<int>(wParam)), message, wParam, lParam, result))
        return result;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (RouteToControl(FindControl(reinterpret_cast<HWND>(lParam)), message, wParam, lParam, result))
        return result;
      break;
    case WM_INITMENUPOPUP:
      if (actions_) UpdateMenu(reinterpret_cast<HMENU>(wParam), *actions_);
      return 0;
    case WM_CONTEXTMENU:
      // Up to the form with wParam kept: the control the menu is for, however deeply it is nested.
      if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD)
        return SendMessageW(GetParent(hwnd_), WM_CONTEXTMENU, wParam, lParam);
      break;
    case DM_GETDEFID:
      return defaultButtonId_ ? MAKELRESULT(defaultButtonId_, DC_HASDEFID) : 0;
    case WM_DPICHANGED: {
      ApplyDpi(LOWORD(wParam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace velura::ui
