#include "ui/fontviews/font_details_panel_win.h"

#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "platform/wide_win.h"
#include "ui/fontviews/char_filter.h"
#include "ui/fontviews/font_info.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

void SetText(const ui::Control* control, const std::u16string& text) {
  if (control) SetWindowTextW(control->hwnd, AsWide(text));
}

}  // namespace

void FontDetailsPanel::CreateFontNameBox(ui::Window& parent) {
  Panel_FontType.Create(parent, Docked(Align::Right, 80), ui::Bevel::Lowered);
  ui::Control& name = ui::AddEdit(parent, L"", Docked(Align::Client, 0), ES_READONLY | ES_AUTOHSCROLL);
  parent.SetControlFont(name, ui::FontSpec{L"MS UI Gothic", 19, 0});
  TntMemo_FontName = &name;
}

void FontDetailsPanel::CreateDetailRows(ui::Window& panel, int valueWidth) {
  const wchar_t* captions[] = {L"Pich",     L"CharSet",  L"FullFontName", L"Version",
                               L"FileSize", L"FileName", L"PstscriptName"};
  ui::Control** boxes[] = {&Label_Pich,     &Label_CharSet,    &TntMemo_FullFontName, &TntMemo_Version,
                           &Label_FileSize, &TntMemo_FileName, &TntMemo_PstscriptName};
  for (int row = 0; row < 7; ++row) {
    const int top = 4 + row * 26;
    ui::AddLabel(panel, captions[row], At(4, top + 3, 82, 15));
    const bool isLabel = row == 0 || row == 1 || row == 4;
    ui::Control& box = isLabel ? ui::AddLabel(panel, L"", At(90, top + 3, valueWidth, 15, true))
                               : ui::AddEdit(panel, L"", At(90, top, valueWidth, 21, true), ES_READONLY | ES_AUTOHSCROLL);
    if (!isLabel) SetWindowLongW(box.hwnd, GWL_EXSTYLE, GetWindowLongW(box.hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    *boxes[row] = &box;
  }
}

void FontDetailsPanel::CreateLanguageGrid(ui::Window& parent, const ui::dock::Item& place) {
  ui::Control& grid = ui::AddListView(parent, place);
  const wchar_t* headers[] = {L"ID", L"Language", L"FullFontName", L"FontFamilyName"};
  for (int column = 0; column < 4; ++column) {
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = const_cast<wchar_t*>(headers[column]);
    c.cx = 60;
    SendMessageW(grid.hwnd, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
  }
  TntStringGrid_FullFontNames = &grid;
  grid.onPlaced = [this](const ui::dock::Rect&) { SizeLanguageGrid(); };  // Panel_center_topResize
}

void FontDetailsPanel::CreateCodePages(ui::Window& parent, const ui::dock::Item& place) {
  RichEdit_CodePages = &ui::AddRichEdit(parent, place);
}

void FontDetailsPanel::CreateCopyright(ui::Window& parent) {
  Label_Copyright = &ui::AddLabel(parent, L"Copyright", Docked(Align::Top, 15));
  TntRichEdit_Copyright = &ui::AddRichEdit(parent, Docked(Align::Client, 0));
}

void FontDetailsPanel::CreateCharSets(ui::Window& parent, const ui::dock::Item& place) {
  Panel_CharSets.Create(parent, place);
  ui::AddLabel(Panel_CharSets, L"文字セット", Docked(Align::Top, 15));
  ui::Control& box = ui::AddEdit(Panel_CharSets, L"", Docked(Align::Client, 0),
                                 ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL);
  SetWindowLongW(box.hwnd, GWL_EXSTYLE, GetWindowLongW(box.hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
  TntMemo_CharSets = &box;
}

void FontDetailsPanel::Clear() {
  for (ui::Control* box : {TntMemo_FontName, TntMemo_FullFontName, TntMemo_Version, TntMemo_FileName,
                           TntMemo_PstscriptName, Label_Pich, Label_CharSet, Label_FileSize, RichEdit_CodePages,
                           TntRichEdit_Copyright, TntMemo_CharSets})
    SetText(box, u"");
  SetText(Label_Copyright, u"Copyright");
  if (Panel_FontType.Hwnd()) Panel_FontType.SetCaption(L"");
  if (TntStringGrid_FullFontNames) ui::ClearGridRows(*TntStringGrid_FullFontNames);
}

void FontDetailsPanel::Show(const TFileDataItem& record, std::size_t face) {
  if (face >= record.Faces.size() || face >= record.DisplayNames.size()) return;
  const FontInfoTexts info = DescribeFace(record, face);
  std::u16string pages;
  for (const std::u16string& page : info.CodePages) pages += (pages.empty() ? u"" : u"\r\n") + page;
  SetText(RichEdit_CodePages, pages);
  if (RichEdit_CodePages) {
    SendMessageW(RichEdit_CodePages->hwnd, EM_SETSEL, 0, 0);
    SendMessageW(RichEdit_CodePages->hwnd, EM_SCROLLCARET, 0, 0);
  }
  if (Panel_FontType.Hwnd()) Panel_FontType.SetCaption(ToWide(info.Type));
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
  if (record.CoverageRead) {
    std::u16string lines;
    if (face < record.Coverage.size())
      for (const std::u16string& line : CoverageLines(record.Coverage[face])) lines += (lines.empty() ? u"" : u"\r\n") + line;
    else
      lines = u"文字の対応表を読めません";
    SetText(TntMemo_CharSets, lines);
  }
  if (!TntStringGrid_FullFontNames) return;
  for (const auto& fields : info.LanguageRows)
    ui::AddGridRow(*TntStringGrid_FullFontNames,
                   {ToWide(fields[0]), ToWide(fields[1]), ToWide(fields[2]), ToWide(fields[3])});
}

void FontDetailsPanel::SizeLanguageGrid() {
  if (!TntStringGrid_FullFontNames) return;
  RECT client{};
  GetClientRect(TntStringGrid_FullFontNames->hwnd, &client);
  const auto widths = LanguageGridWidths(client.right);
  for (int column = 0; column < 4; ++column)
    SendMessageW(TntStringGrid_FullFontNames->hwnd, LVM_SETCOLUMNWIDTH, column, widths[static_cast<std::size_t>(column)]);
}

}  // namespace velura
