#include "ui/onetime/form_onetime_sub_win.h"

#include <commctrl.h>
#include <richedit.h>

#include "platform/wide_win.h"
#include "ui/browsers/browser_panels_win.h"
#include "ui/browsers/font_info.h"
#include "ui/framework/controls_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

}  // namespace

TForm_OneTime_sub::TForm_OneTime_sub(HWND owner) : owner_(owner) {
  CreateForm(L"詳細表示", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
             562, 303, owner, ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  StatusBar1 = &ui::AddStatusBar(*this, {-1});

  Panel_top.Create(*this, Docked(Align::Top, 28));
  Panel_FontType.Create(Panel_top, Docked(Align::Right, 80), ui::Bevel::Lowered);
  TntMemo_FontName = &ui::AddEdit(Panel_top, L"", Docked(Align::Client, 0), ES_READONLY | ES_AUTOHSCROLL);
  SetControlFont(*TntMemo_FontName, ui::FontSpec{L"MS UI Gothic", 19, 0});

  TntStringGrid_FullFontNames = &ui::AddListView(*this, Docked(Align::Bottom, 70));
  const wchar_t* headers[] = {L"ID", L"Language", L"FullFontName", L"FontFamilyName"};
  for (int column = 0; column < 4; ++column) {
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = const_cast<wchar_t*>(headers[column]);
    c.cx = 60;
    SendMessageW(TntStringGrid_FullFontNames->hwnd, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
  }
  TntStringGrid_FullFontNames->onPlaced = [this](const ui::dock::Rect&) { SizeLanguageGrid(); };
  Panel_right.Create(*this, Docked(Align::Right, 170));
  RichEdit_CodePages = &ui::AddRichEdit(Panel_right, Docked(Align::Top, 90));
  Label_Copyright = &ui::AddLabel(Panel_right, L"Copyright", Docked(Align::Top, 15));
  TntRichEdit_Copyright = &ui::AddRichEdit(Panel_right, Docked(Align::Client, 0));

  Panel_BaseLabel.Create(*this, Docked(Align::Client, 0));
  const wchar_t* captions[] = {L"Pich",     L"CharSet",  L"FullFontName", L"Version",
                               L"FileSize", L"FileName", L"PstscriptName"};
  ui::Control** boxes[] = {&Label_Pich,     &Label_CharSet,    &TntMemo_FullFontName, &TntMemo_Version,
                           &Label_FileSize, &TntMemo_FileName, &TntMemo_PstscriptName};
  for (int row = 0; row < 7; ++row) {
    const int top = 4 + row * 26;
    ui::AddLabel(Panel_BaseLabel, captions[row], At(4, top + 3, 82, 15));
    const bool isLabel = row == 0 || row == 1 || row == 4;
    *boxes[row] = isLabel
                      ? &ui::AddLabel(Panel_BaseLabel, L"", At(90, top + 3, 168, 15, true))
                      : &ui::AddEdit(Panel_BaseLabel, L"", At(90, top, 168, 21, true), ES_READONLY | ES_AUTOHSCROLL);
  }

  Relayout();
  ClearPanel();
}

TForm_OneTime_sub::~TForm_OneTime_sub() { Destroy(); }

namespace {

FontInfoControls PanelControls(TForm_OneTime_sub& form) {
  return {.fontName = form.TntMemo_FontName,
          .fontType = &form.Panel_FontType,
          .pitch = form.Label_Pich,
          .charset = form.Label_CharSet,
          .fullName = form.TntMemo_FullFontName,
          .version = form.TntMemo_Version,
          .fileSize = form.Label_FileSize,
          .fileName = form.TntMemo_FileName,
          .postScriptName = form.TntMemo_PstscriptName,
          .languageGrid = form.TntStringGrid_FullFontNames,
          .codePages = form.RichEdit_CodePages,
          .copyrightLabel = form.Label_Copyright,
          .copyright = form.TntRichEdit_Copyright};
}

}  // namespace

void TForm_OneTime_sub::ClearPanel() {
  ClearFontInfoPanel(PanelControls(*this));
  ui::SetStatusText(*StatusBar1, 0, L"");
}

void TForm_OneTime_sub::ShowFace(const TFileDataItem& record, std::size_t face) {
  if (face >= record.Faces.size() || face >= record.DisplayNames.size()) return;
  ShowFontInfoPanel(PanelControls(*this), record, face);
  const std::u16string state =
      record.Has(Installed) ? u"インストール済み(" + record.InstalledVersion + u")" : std::u16string(u"未インストール");
  ui::SetStatusText(*StatusBar1, 0, ToWide(state));
}

void TForm_OneTime_sub::Toggle() {
  if (IsWindowVisible(Hwnd())) {
    Hide();
    return;
  }
  RECT owner{}, self{};
  GetWindowRect(owner_, &owner);
  GetWindowRect(Hwnd(), &self);
  const int width = self.right - self.left, height = self.bottom - self.top;
  SetWindowPos(Hwnd(), HWND_TOPMOST, (owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2, 0,
               0, SWP_NOSIZE | SWP_NOACTIVATE);
  Show(SW_SHOWNOACTIVATE);
  SizeLanguageGrid();
}

void TForm_OneTime_sub::SizeLanguageGrid() { velura::SizeLanguageGrid(TntStringGrid_FullFontNames); }

}  // namespace velura
