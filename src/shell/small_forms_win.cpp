#include "shell/small_forms_win.h"

#include <richedit.h>
#include <shellapi.h>

#include "ui/framework/controls_win.h"
#include "ui/framework/window_place_win.h"

namespace velura {

using ui::dock::At;

TForm_version::TForm_version(HWND owner, int left, int top, std::function<void()> onClosed)
    : onClosed_(std::move(onClosed)) {
  CreateForm(L"バージョン情報", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 234, 131,
             owner, ui::Placement::Default);
  ui::MoveInsideWorkArea(Hwnd(), left, top);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  AddNavyLabel(L"フォントインストーラー", 16, 12, 200, 16);
  SetControlFont(AddNavyLabel(L"VELURA", 16, 30, 200, 30), ui::FontSpec{L"MS UI Gothic", 26, 0, true});
  AddNavyLabel(L"ver", 16, 68, 24, 16);
  AddNavyLabel(L"2.75", 44, 68, 60, 16);
  AddNavyLabel(L"2014/12/24", 120, 68, 90, 16);
  ui::Control& link = AddNavyLabel(kWebAddress, 16, 100, 200, 16);
  label4_ = link.hwnd;
  link.onCommand = [this](int code) {
    if (code == STN_CLICKED) Label4Click();
  };
  Relayout();
  Show(SW_SHOWNORMAL);
}

ui::Control& TForm_version::AddNavyLabel(const wchar_t* text, int left, int top, int width, int height) {
  ui::Control& label = ui::AddLabel(*this, text, At(left, top, width, height), SS_LEFT | SS_NOTIFY);
  label.onParentMessage = [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 128));
    result = reinterpret_cast<LRESULT>(navy_);
    return true;
  };
  return label;
}

LRESULT TForm_version::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, navy_);
    return 1;
  }
  if (message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == label4_) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  return Form::OnMessage(message, wParam, lParam);
}

void TForm_version::Label4Click() { ShellExecuteW(Hwnd(), L"open", kWebAddress, nullptr, nullptr, SW_SHOWNORMAL); }

void TForm_version::OnDestroyed() {
  DeleteObject(navy_);
  if (onClosed_) onClosed_();
  delete this;
}

TForm_Memo::TForm_Memo(const std::vector<std::wstring>& lines) {
  CreateForm(L"LOGFONT構造体リスト", WS_OVERLAPPEDWINDOW, 0, 400, 500, nullptr, ui::Placement::CentreScreen);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  ui::AddStatusBar(*this, {-1});
  ui::dock::Item client;
  client.align = ui::dock::Align::Client;
  ui::Control& edit = ui::AddRichEdit(*this, client,
                                      ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL);
  richEdit_ = edit.hwnd;
  std::wstring text;
  for (const auto& line : lines) text += line + L"\r\n";
  SetWindowTextW(richEdit_, text.c_str());
  Relayout();
}

void TForm_Memo::OnDestroyed() { delete this; }

TForm_Memo* ShowLogFontList(const std::vector<std::wstring>& lines) {
  auto* memo = new TForm_Memo(lines);
  memo->Show(SW_SHOWNORMAL);
  return memo;
}

}  // namespace velura
