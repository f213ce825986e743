#include "ui/longop/form_progress_win.h"

#include <commctrl.h>

#include "ui/framework/controls_win.h"

namespace velura {

TForm_Progress::~TForm_Progress() { Close(); }

void TForm_Progress::Open() {
  Close();
  CreateForm(L"フォントリソース開放中...", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 305, 25,
             ui::MainWindow(), ui::Placement::CentreScreen);
  if (!Hwnd()) return;
  ui::dock::Item panel;
  panel.design = {0, 0, 305, 25};
  Panel1.Create(*this, panel);
  ui::dock::Item bar;
  bar.design = {5, 5, 294, 16};
  ProgressBar1 = &ui::AddProgressBar(Panel1, bar, true);
  Relayout();
  Panel1.Relayout();
  FormCreate();
  FormShow();
  Show();
}

void TForm_Progress::FormCreate() { guard_.emplace(Hwnd()); }

void TForm_Progress::FormShow() {
  SetWindowLongPtrW(Hwnd(), GWL_STYLE, GetWindowLongPtrW(Hwnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_SYSMENU));
  // The frame takes a style change only when told; without it Wine leaves the caption unpainted.
  SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(Hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TForm_Progress::FormDestroy() { guard_.reset(); }

void TForm_Progress::Close() {
  if (!Hwnd()) return;
  guard_.reset();
  Destroy();
}

void TForm_Progress::OnDestroyed() {
  ProgressBar1 = nullptr;
  FormDestroy();
}

void TForm_Progress::SetMaximum(int maximum) {
  if (!ProgressBar1) return;
  SendMessageW(ProgressBar1->hwnd, PBM_SETRANGE32, 0, maximum);
  SendMessageW(ProgressBar1->hwnd, PBM_SETPOS, 0, 0);
}

// Each step is short and nothing pumps messages meanwhile: paint the bar at once.
void TForm_Progress::SetPosition(int position) {
  if (!ProgressBar1) return;
  SendMessageW(ProgressBar1->hwnd, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  UpdateWindow(ProgressBar1->hwnd);
}

}  // namespace velura
