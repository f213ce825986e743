#include "ui/onetime/form_onetime_sub_win.h"

#include <commctrl.h>
#include <richedit.h>

#include "platform/wide_win.h"
#include "ui/browsers/font_info.h"
#include "ui/framework/controls_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

void SetText(const ui::Control* control, const std::u16string& text) {
  if (control) SetWindowTextW(control->hwnd, AsWide(text));
}

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

void TForm_OneTime_sub::ClearPanel() {
  for (ui::Control* box :
       {TntMemo_FontName, TntMemo_FullFontName, TntMemo_Version, TntMemo_FileName, TntMemo_PstscriptName, Label_Pich,
        Label_CharSet, Label_FileSize, RichEdit_CodePages, TntRichEdit_Copyright})
    SetText(box, u"");
  SetText(Label_Copyright, u"Copyright");
  Panel_FontType.SetCaption(L"");
  SendMessageW(TntStringGrid_FullFontNames->hwnd, LVM_DELETEALLITEMS, 0, 0);
  ui::SetStatusText(*StatusBar1, 0, L"");
}

void TForm_OneTime_sub::ShowFace(const TFileDataItem& record, std::size_t face) {
  if (face >= record.Faces.size() || face >= record.DisplayNames.size()) return;
  const FontInfoTexts info = DescribeFace(record, face);
  std::u16string pages;
  for (const std::u16string& page : info.CodePages) pages += (pages.empty() ? u"" : u"\r\n") + page;
  SetText(RichEdit_CodePages, pages);
  SendMessageW(RichEdit_CodePages->hwnd, EM_SETSEL, 0, 0);
  SendMessageW(RichEdit_CodePages->hwnd, EM_SCROLLCARET, 0, 0);
  Panel_FontType.SetCaption(ToWide(info.Type));
  SetText(TntMemo_FontName, info.FontName);
  SetText(TntMemo_FullFontName, info.FullName);
  SetText(TntMemo_PstscriptName, info.PostScriptName);
  SetText(TntMemo_Version, info.Version);
  SetText(TntMemo_FileName, info.FileName);
  SetText(Label_FileSize, info.Size);
  SetText(Label_Copyright, info.CopyrightLabel);
  SetText(TntRichEdit_Copyright, info.Copyright);
  SetText(Label_CharSet, info.Charset);
  SetText(Label_Pich, info.Pitch);
  const HWND grid = TntStringGrid_FullFontNames->hwnd;
  int row = 0;
  for (const auto& fields : info.LanguageRows) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(AsWide(fields[0]));
    SendMessageW(grid, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int column = 1; column < 4; ++column) {
      item.iSubItem = column;
      item.pszText = const_cast<wchar_t*>(AsWide(fields[static_cast<std::size_t>(column)]));
      SendMessageW(grid, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    ++row;
  }
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

void TForm_OneTime_sub::SizeLanguageGrid() {
  RECT client{};
  GetClientRect(TntStringGrid_FullFontNames->hwnd, &client);
  const auto widths = LanguageGridWidths(client.right);
  for (int column = 0; column < 4; ++column)
    SendMessageW(TntStringGrid_FullFontNames->hwnd, LVM_SETCOLUMNWIDTH, column,
                 widths[static_cast<std::size_t>(column)]);
}

}  // namespace velura
