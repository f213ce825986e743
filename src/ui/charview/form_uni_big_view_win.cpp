#include "ui/charview/form_uni_big_view_win.h"

#include <cwchar>

#include "ui/charview/face_char_map_win.h"
#include "ui/framework/controls_win.h"

namespace velura {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

void BigCharacterPanel::SetCharacter(const std::wstring& face, char32_t character) {
  if (face != face_) font_.Reset();
  face_ = face;
  character_ = character;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void BigCharacterPanel::SetPoints(int points) {
  if (points == points_) return;
  points_ = points;
  font_.Reset();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

HFONT BigCharacterPanel::CharacterFont() {
  if (!font_) {
    LOGFONTW face{};
    face.lfHeight = -MulDiv(points_, Dpi(), 72);
    face.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(face.lfFaceName, face_.c_str(), LF_FACESIZE - 1);
    font_.Reset(CreateFontIndirectW(&face));
    cmap_ = font_ ? ReadFaceCharacters(font_.Get()).cmap : std::vector<std::uint8_t>();
  }
  return font_.Get();
}

LRESULT BigCharacterPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (character_) {
      ui::SelectInDc selected(dc, CharacterFont());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      DrawCodePointCentred(dc, client, character_, cmap_);
    }
    EndPaint(hwnd_, &paint);
    return 0;
  }
  return ui::Panel::OnMessage(message, wParam, lParam);
}

TForm_UniBigView::TForm_UniBigView(HWND owner) : owner_(owner) {
  // Outer 168 x 237 at design: the client area that leaves.
  CreateForm(L"拡大表示", WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_EX_TOPMOST, 160, 203, owner,
             ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  StatusBar1 = &ui::AddStatusBar(*this, {-1});
  Panel_bottom.Create(*this, Docked(Align::Bottom, 30));
  ui::AddLabel(Panel_bottom, L"フォントサイズ", At(6, 9, 72, 13));
  SpinEdit1 = &ui::AddSpinEdit(Panel_bottom, At(80, 5, 60, 21), 6, 999, 96);
  SpinEdit1->onCommand = [this](int code) {
    if (code == EN_CHANGE) SpinEdit1Change();
  };
  TntPanel1.Create(*this, Docked(Align::Client, 0), ui::Bevel::Lowered);
  Relayout();
}

TForm_UniBigView::~TForm_UniBigView() { Destroy(); }

void TForm_UniBigView::ShowCharacter(const std::wstring& fontName, char32_t codePoint) {
  TntPanel1.SetCharacter(fontName, codePoint);
}

void TForm_UniBigView::Open() {
  if (!placed_ && owner_) {
    RECT outer{}, mine{};
    GetWindowRect(owner_, &outer);
    GetWindowRect(Hwnd(), &mine);
    const int width = mine.right - mine.left, height = mine.bottom - mine.top;
    SetWindowPos(Hwnd(), nullptr, outer.left + (outer.right - outer.left - width) / 2,
                 outer.top + (outer.bottom - outer.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  placed_ = true;
  Show(SW_SHOWNORMAL);
}

void TForm_UniBigView::SpinEdit1Change() {
  const std::wstring text = ui::WindowText(SpinEdit1->hwnd);
  wchar_t* end = nullptr;
  const long value = std::wcstol(text.c_str(), &end, 10);
  if (text.empty() || (end && *end) || value < 6 || value > 999) return;  // an unreadable value is ignored
  TntPanel1.SetPoints(static_cast<int>(value));
}

}  // namespace velura
