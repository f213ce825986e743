#include "ui/fontviews/wait_box_win.h"

#include <utility>

#include "ui/framework/dock_layout.h"
#include "ui/framework/long_operation_win.h"
#include "ui/framework/window_win.h"

namespace velura {

WaitBox::WaitBox(HWND owner, Place place, LoopContext& loop) : loop_(loop) {
  const int dpi = ui::ScreenDpi();
  auto px = [dpi](int at96) { return ui::dock::Scale(at96, dpi); };
  const int width = px(210), height = px(100);
  RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (place == Place::OverOwner && owner && IsWindowVisible(owner)) GetWindowRect(owner, &around);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_BORDER | WS_VISIBLE,
                            (around.left + around.right - width) / 2, (around.top + around.bottom - height) / 2, width,
                            height, owner, nullptr, nullptr, nullptr);
  LOGFONTW face{};
  face.lfHeight = -MulDiv(10, dpi, 72);
  face.lfCharSet = SHIFTJIS_CHARSET;
  wcscpy(face.lfFaceName, L"MS UI Gothic");
  font_.Reset(CreateFontIndirectW(&face));
  const std::pair<POINT, const wchar_t*> lines[] = {{{20, 15}, L"描画処理中です"},
                                                    {{40, 35}, L"しばらくおまちください・・・"}};
  for (const auto& [at, text] : lines) {
    HWND label = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_NOPREFIX, px(at.x), px(at.y), px(180),
                                 px(18), window_, nullptr, nullptr, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
  UpdateWindow(window_);
  previousPainter_ = std::move(loop_.PaintWaitingWindows);
  loop_.PaintWaitingWindows = [&loop = loop_] { PaintNow(loop); };  // the fills under the box paint it now and then
}

WaitBox::~WaitBox() {
  loop_.PaintWaitingWindows = std::move(previousPainter_);
  if (window_) DestroyWindow(window_);
}

void WaitBox::PaintNow(const LoopContext& loop) {
  ui::PumpPaintMessages();
  loop.NoteMessagesPumped();
}

}  // namespace velura
