#include "ui/framework/panel_win.h"

namespace velura::ui {

Control& Panel::Create(Window& parent, const dock::Item& dock, Bevel bevel, const std::wstring& caption) {
  // A lowered bevel is the static edge; a raised one is painted (a child has no raised frame style).
  const DWORD exStyle = WS_EX_CONTROLPARENT | (bevel == Bevel::Lowered ? WS_EX_STATICEDGE : 0);
  bevel_ = bevel;
  DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (dock.visible) style |= WS_VISIBLE;
  const int id = parent.NewControlId();
  SetFont(parent.Font());
  SetActions(parent.Actions());
  SetDesignClientSize(dock.design.width, dock.design.height);
  CreateHwnd(caption, style, exStyle, 0, 0, 0, 0, parent.Hwnd(), id);
  dpi_ = parent.Dpi();
  return parent.Adopt(hwnd_, id, dock);
}

void Panel::SetCaption(const std::wstring& caption) {
  if (!hwnd_ || WindowText(hwnd_) == caption) return;
  SetWindowTextW(hwnd_, caption.c_str());
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Panel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    const std::wstring caption = WindowText(hwnd_);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (bevel_ == Bevel::Raised) DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
    if (!caption.empty()) {
      InflateRect(&client, -Px(4), 0);
      SelectInDc font(dc, FontHandle(Font()));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &client,
                captionFormat_ | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    EndPaint(hwnd_, &paint);
    return 0;
  }
  return Window::OnMessage(message, wParam, lParam);
}

}  // namespace velura::ui
