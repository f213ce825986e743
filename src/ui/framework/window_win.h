// The window base of every frame and panel: owns its HWND, keeps its child controls as plain records
// placed by the dock layout, and routes their notifications to handlers by control id. One window class
// serves all frames and panels; `this` travels in lpCreateParams and lives in GWLP_USERDATA. Every call
// from user32 into a window is guarded: an exception is shown to the user and never unwinds through user32.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/framework/action_list.h"
#include "ui/framework/dock_layout.h"
#include "ui/framework/handles_win.h"

namespace velura::ui {

// A font by face and size at 96 DPI: `pixels` is the character height (a negative lfHeight), or
// `points` when pixels is 0.
struct FontSpec {
  std::wstring face = L"MS UI Gothic";
  int pixels = 0;
  int points = 9;
  bool bold = false, italic = false, underline = false;
  bool operator==(const FontSpec&) const = default;
};

class Window;

// A child window the form owns, plus how it is placed and what it answers.
struct Control {
  HWND hwnd = nullptr;
  Window* owner = nullptr;  // the window whose layout places it (Window::Add/Adopt set it)
  int id = 0;  // WM_COMMAND / WM_NOTIFY routing key, unique within its parent window
  dock::Item dock;
  std::optional<FontSpec> font;  // none: the parent window's font
  int actionId = 0;              // a button bound to an action: a click executes it, idle updates enable it
  std::function<void(int code)> onCommand;  // BN_CLICKED, LBN_SELCHANGE, EN_CHANGE ...
  std::function<LRESULT(NMHDR&)> onNotify;  // TVN_SELCHANGED, NM_CUSTOMDRAW ...
  // Messages a control sends its parent about itself: WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*,
  // WM_VSCROLL/WM_HSCROLL from up-downs. Return true with `result` set to answer it.
  std::function<bool(UINT message, WPARAM, LPARAM, LRESULT& result)> onParentMessage;
  // Called after each layout with the rectangle the control got (status bar parts, tool bar sizes).
  std::function<void(const dock::Rect&)> onPlaced;
  // Called when the queue goes idle (tool buttons pull their actions' states).
  std::function<void()> onIdle;
  bool layoutManaged = true;  // false: placed by its own code (tab pages, an up-down beside its edit)
  // Called when the owner's DPI changed (WM_DPICHANGED), after the fonts and before the layout: what is
  // sized in pixels of its own (list-view columns) rescales here.
  std::function<void(int oldDpi, int newDpi)> onDpiChange;
};

// What Window::Add creates: a child of a system class.
struct ControlSpec {
  const wchar_t* className = L"STATIC";
  std::wstring text;
  DWORD style = 0;  // WS_CHILD | WS_VISIBLE are added
  DWORD exStyle = 0;
  dock::Item dock;
  int id = 0;  // 0: the next free id from 20000 up; action ids stay below that
};

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Hwnd() const { return hwnd_; }
  int Dpi() const { return dpi_; }
  int Px(int at96) const { return dock::Scale(at96, dpi_); }

  Control& Add(const ControlSpec& request);
  // Takes a child created elsewhere (a panel) into the controls and the layout.
  Control& Adopt(HWND child, int id, const dock::Item& dock);
  int NewControlId() { return nextId_++; }
  Control* FindControl(int id);
  Control* FindControl(HWND hwnd);
  // Shows or hides a control and takes it in or out of its owner's layout: ui::SetVisible(control, visible),
  // whichever window it is called on.
  void SetControlVisible(Control& control, bool visible);

  // The client size the design rectangles of the children were drawn for (96-DPI).
  void SetDesignClientSize(int width, int height);
  void SetFont(const FontSpec& font);
  const FontSpec& Font() const { return font_; }
  HFONT FontHandle(const FontSpec& request);  // cached per window and DPI
  // ui::SetFont(control, request), whichever window it is called on.
  void SetControlFont(Control& control, const FontSpec& request);

  // The control's rectangle in 96-DPI design units when the window has its design client size (the
  // current client size, unscaled, for a window without one).
  dock::Rect DesignRect(const Control& control) const;

  // Places every child by the dock layout in one DeferWindowPos batch.
  void Relayout();
  // Moves splitter `control` by delta device pixels and lays the window out again.
  void DragSplitter(const Control& splitter, int deltaPixels);

  // The actions WM_COMMAND ids are looked up in; a panel uses its form's list.
  ActionList* Actions() const { return actions_; }
  void SetActions(ActionList* actions) { actions_ = actions; }
  // Enables the controls bound to actions; the message loop calls it when the queue goes idle.
  virtual void UpdateActionControls();

  void Destroy();

 protected:
  friend class Panel;
  Window() = default;

  // Creates the HWND of this object with the shared class. Frames pass no parent (an owner at most);
  // panels pass their parent and WS_CHILD.
  HWND CreateHwnd(const std::wstring& caption, DWORD style, DWORD exStyle, int x, int y, int width, int height,
                  HWND parentOrOwner, int id = 0);

  // Default handling; forms and panels override and call it for what they do not handle.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // WM_NCDESTROY was seen: the HWND and the child records are gone.
  virtual void OnDestroyed() {}
  void ApplyDpi(int dpi);

  std::deque<Control> controls_;  // a deque keeps references valid as controls are added
  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  int defaultButtonId_ = 0;  // answered to DM_GETDEFID, so Enter clicks it
  int cancelButtonId_ = 0;   // IDCANCEL (Esc) clicks it

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT RouteCommand(WPARAM wParam, LPARAM lParam);
  LRESULT RouteNotify(NMHDR& header);
  bool RouteToControl(Control* control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  FontSpec font_;
  std::vector<std::pair<FontSpec, UniqueFont>> fonts_;
  int designWidth_ = 0, designHeight_ = 0;
  int nextId_ = 20000;
  ActionList* actions_ = nullptr;
};

// What works on a control wherever it is nested: through control.owner, so the window that places it
// lays out again.
// Shows or hides the control and takes it in or out of its owner's layout.
void SetVisible(Control& control, bool visible);
// Gives the control a font of its own (kept across DPI changes); std::logic_error without an owner.
void SetFont(Control& control, const FontSpec& font);

// The window of our class behind an HWND (a frame or a panel), or null for any other window.
Window* WindowOf(HWND hwnd);
// The record of a control, found through the windows of our class above it (its owner among them); null
// for a window no Window adopted.
Control* ControlOf(HWND hwnd);

// The DPI of the screen (LOGPIXELSY of the screen DC); Windows 7 has nothing per window.
int ScreenDpi();

// Reads and sets a window's text.
std::wstring WindowText(HWND hwnd);
void SetWindowTextIfChanged(HWND hwnd, const std::wstring& text);

}  // namespace velura::ui
