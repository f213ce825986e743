#include "ui/longop/form_status_bar_win.h"

#include <commctrl.h>

#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"

namespace velura {

using ui::dock::At;
namespace {

const ui::FontSpec kFormFont{L"ＭＳ Ｐゴシック", 12, 0};
const ui::FontSpec kCounterFont{L"ＭＳ Ｐゴシック", 15, 0};

}  // namespace

TForm_StatusBar::~TForm_StatusBar() { Close(); }

void TForm_StatusBar::Open(const std::u16string& title) {
  Close();
  // A tool window without border icons, owned by the launcher so it stays above it.
  CreateForm(L"VELURA", WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, 293, 125, ui::MainWindow(),
             ui::Placement::CentreScreen);
  if (!Hwnd()) return;
  CreateComponents();
  FormCreate();
  SetWindowTextW(Label_Title->hwnd, AsWide(title));
  FormShow();
  Show();
  SetFocus(Button_Terminate->hwnd);
  DiscardQueuedInput();
}

// Input queued before this window appeared was meant for the window the user worked in (Return after
// choosing an archive with the arrow keys, the second click of a double click). Keys go to whatever has the
// focus when they leave the queue, now "中止": taken, they would stop the operation before it showed
// anything. The queue as it stands once the window is up is the exact line between before and after;
// message times would not be, since posted and hardware input are stamped by different clocks and a fast
// hand falls within their resolution. A key still held goes on repeating: FreshKeys keeps those out.
void TForm_StatusBar::DiscardQueuedInput() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {}
  while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {}
  while (PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {}
  keys_.Reset();
}

bool TForm_StatusBar::TakesInput(const MSG& message) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return keys_.TakeKeyDown(static_cast<unsigned>(message.wParam), (message.lParam & (1 << 30)) != 0);
    case WM_KEYUP:
    case WM_SYSKEYUP: return keys_.TakeKeyUp(static_cast<unsigned>(message.wParam));
  }
  return true;
}

void TForm_StatusBar::CreateComponents() {
  SetFont(kFormFont);
  Label_Title = &ui::AddLabel(*this, L"フォントファイルの取り込み", At(12, 4, 167, 15), SS_LEFTNOWORDWRAP);
  Label_in = &ui::AddLabel(*this, L"", At(148, 21, 49, 15), SS_RIGHT);
  Label2 = &ui::AddLabel(*this, L"/", At(204, 21, 8, 15));
  Label_total = &ui::AddLabel(*this, L"", At(218, 21, 66, 15));
  for (ui::Control* label : {Label_Title, Label_in, Label2, Label_total}) SetControlFont(*label, kCounterFont);
  ProgressBar1 = &ui::AddProgressBar(*this, At(8, 40, 273, 17), true);
  Button_Terminate = &ui::AddButton(*this, L"中止", At(104, 66, 75, 25), true);
  Button_Terminate->onCommand = [this](int code) {
    if (code == BN_CLICKED) Button_TerminateClick();
  };
  defaultButtonId_ = cancelButtonId_ = Button_Terminate->id;
  Label1 = &ui::AddLabel(*this, L"このフォームが閉じるまで他の操作をしないでください", At(8, 101, 269, 12),
                         SS_LEFTNOWORDWRAP);
  Relayout();
}

void TForm_StatusBar::FormCreate() { guard_.emplace(Hwnd()); }

void TForm_StatusBar::FormShow() {
  SetWindowTextW(Label_in->hwnd, L"");
  SetWindowTextW(Label_total->hwnd, L"");
}

void TForm_StatusBar::FormDestroy() {
  guard_.reset();
  if (HWND main = ui::MainWindow()) SetActiveWindow(main);
}

void TForm_StatusBar::Button_TerminateClick() { loop_.StopRequested = true; }

void TForm_StatusBar::Close() {
  if (!Hwnd()) return;
  // Enabled again before the window goes, so that Windows has a window of ours to activate.
  guard_.reset();
  Destroy();
}

void TForm_StatusBar::OnClose() { Button_TerminateClick(); }  // Alt+F4 stops; the runner closes the window

void TForm_StatusBar::OnDestroyed() {
  Label_Title = Label_in = Label2 = Label_total = ProgressBar1 = Button_Terminate = Label1 = nullptr;
  FormDestroy();
}

void TForm_StatusBar::ResetDisplay() {
  if (!Hwnd()) return;
  SetWindowTextW(Label_in->hwnd, L"0");
  SetWindowTextW(Button_Terminate->hwnd, L"中止");
  Repaint();
}

void TForm_StatusBar::BeginProgress(int total) {
  if (!Hwnd()) return;
  SetWindowTextW(Label_in->hwnd, L"0");
  SetWindowTextW(Label_total->hwnd, std::to_wstring(total).c_str());
  total_ = total;
  lastStepShown_ = 0;
  SendMessageW(ProgressBar1->hwnd, PBM_SETRANGE32, 0, total);
  SendMessageW(ProgressBar1->hwnd, PBM_SETPOS, 0, 0);
  Repaint();
}

void TForm_StatusBar::StepProgress(int done) {
  if (!Hwnd()) return;
  // Painting the counter and the bar after every file cost more than reading and registering the file
  // under Wine; shown every 40 ms the count reads the same. The first and the last step always show.
  constexpr unsigned long long kStepInterval = 40;
  const unsigned long long now = GetTickCount64();
  if (done < total_ && lastStepShown_ != 0 && now - lastStepShown_ < kStepInterval) return;
  lastStepShown_ = now;
  SetWindowTextW(Label_in->hwnd, std::to_wstring(done).c_str());
  SendMessageW(ProgressBar1->hwnd, PBM_SETPOS, static_cast<WPARAM>(done), 0);
  Repaint();
}

void TForm_StatusBar::ProcessMessages() {
  if (ui::PumpPendingMessages([this](const MSG& message) { return TakesInput(message); })) loop_.StopRequested = true;
  loop_.NoteMessagesPumped();
}

void TForm_StatusBar::HideCounter() {
  if (!Hwnd()) return;
  for (ui::Control* label : {Label_in, Label2, Label_total}) SetControlVisible(*label, false);
}

// The loop never returns to the message loop between files: paint the changes now.
void TForm_StatusBar::Repaint() { RedrawWindow(Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

}  // namespace velura
