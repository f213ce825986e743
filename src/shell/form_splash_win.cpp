#include "shell/form_splash_win.h"

#include <commctrl.h>

#include "platform/windows_version_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/long_operation_win.h"

namespace velura {

using ui::UniqueHandle;

namespace {

bool IsWindows7() {
  const WindowsVersion version = RunningWindowsVersion();
  return version.Platform == VER_PLATFORM_WIN32_NT && version.Major > 5 && version.Minor == 1;
}

}  // namespace

TForm_Splash::TForm_Splash() {
  CreateForm(L"", WS_POPUP, WS_EX_TOOLWINDOW, 355, 101, nullptr, ui::Placement::CentreScreen);
  progressBar_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | PBS_SMOOTH, Px(22), Px(74), Px(282), Px(8),
                                 Hwnd(), nullptr, nullptr, nullptr);
}

TForm_Splash::~TForm_Splash() { Destroy(); }

void TForm_Splash::SetMaximum(int maximum) { SendMessageW(progressBar_, PBM_SETRANGE32, 0, maximum); }

void TForm_Splash::SetPosition(int position) {
  SendMessageW(progressBar_, PBM_SETPOS, position, 0);
  UpdateWindow(progressBar_);
}

void TForm_Splash::ProcessMessages() {
  if (ui::PumpPendingMessages() && loop_) loop_->StopRequested = true;
}

LRESULT TForm_Splash::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Hwnd(), &ps);
      Paint(dc);
      EndPaint(Hwnd(), &ps);
      return 0;
    }
    case WM_MOVE:
      InvalidateRect(Hwnd(), nullptr, FALSE);
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}

void TForm_Splash::Paint(HDC dc) {
  RECT client;
  GetClientRect(Hwnd(), &client);
  if (IsWindows7()) {
    // Red is the colour key: everything outside the rounded panel is transparent.
    ui::UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &client, red.Get());
    SetWindowLongW(Hwnd(), GWL_EXSTYLE, GetWindowLongW(Hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Hwnd(), RGB(255, 0, 0), 255, LWA_COLORKEY);
  } else {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  }
  UniqueHandle<HPEN, ui::FreeGdiObject> grey(CreatePen(PS_SOLID, Px(3), RGB(0x80, 0x80, 0x80)));
  ui::UniqueBrush silver(CreateSolidBrush(RGB(0xC0, 0xC0, 0xC0)));
  ui::UniqueBrush hatch(CreateHatchBrush(HS_DIAGCROSS, RGB(255, 255, 255)));
  HGDIOBJ oldPen = SelectObject(dc, grey.Get());
  HGDIOBJ oldBrush = SelectObject(dc, silver.Get());
  RoundRect(dc, Px(2), Px(2), Px(325), Px(90), Px(50), Px(50));
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, hatch.Get());
  RoundRect(dc, Px(2), Px(2), Px(325), Px(90), Px(50), Px(50));

  auto font = [this](int points, bool bold) {
    return ui::UniqueFont(CreateFontW(-MulDiv(points, Dpi(), 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                                      SHIFTJIS_CHARSET, 0, 0, DEFAULT_QUALITY, 0, L"ＭＳ Ｐゴシック"));
  };
  auto text = [&](int x, int y, COLORREF colour, const wchar_t* words) {
    SetTextColor(dc, colour);
    TextOutW(dc, Px(x), Px(y), words, static_cast<int>(wcslen(words)));
  };
  ui::UniqueFont title = font(14, true);
  HGDIOBJ oldFont = SelectObject(dc, title.Get());
  text(53, 20, RGB(0x80, 0x80, 0x80), L"フォントインストーラー VELURA");
  text(50, 17, RGB(0, 0, 255), L"フォントインストーラー VELURA");
  text(51, 18, RGB(0, 0, 255), L"フォントインストーラー VELURA");
  ui::UniqueFont small = font(11, false);
  SelectObject(dc, small.Get());
  text(21, 55, RGB(255, 255, 255), L"起動処理中です.  しばらくお待ちください...");
  text(20, 54, RGB(0, 0, 0), L"起動処理中です.  しばらくお待ちください...");
  SelectObject(dc, oldFont);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  ShowWindow(progressBar_, SW_SHOWNA);
}

}  // namespace velura
