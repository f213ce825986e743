#include "ui/onetime/form_onetime_sub_win.h"

#include <commctrl.h>
#include <richedit.h>

#include "platform/wide_win.h"
#include "ui/fontviews/browser_panels_win.h"
#include "ui/fontviews/font_info.h"
#include "ui/framework/controls_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::Docked;

}  // namespace

TForm_OneTime_sub::TForm_OneTime_sub(HWND owner) : owner_(owner) {
  CreateForm(L"詳細表示", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
             562, 303, owner, ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  StatusBar1 = &ui::AddStatusBar(*this, {-1});

  Panel_top.Create(*this, Docked(Align::Top, 28));
  TntMemo_FontName = AddFontNameBox(Panel_top, Panel_FontType);

  TntStringGrid_FullFontNames = AddLanguageGrid(*this, Docked(Align::Bottom, 70));
  Panel_right.Create(*this, Docked(Align::Right, 170));
  RichEdit_CodePages = &ui::AddRichEdit(Panel_right, Docked(Align::Top, 90));
  Label_Copyright = &ui::AddLabel(Panel_right, L"Copyright", Docked(Align::Top, 15));
  TntRichEdit_Copyright = &ui::AddRichEdit(Panel_right, Docked(Align::Client, 0));

  Panel_BaseLabel.Create(*this, Docked(Align::Client, 0));
  AddDetailRows(Panel_BaseLabel, 168,
                {&Label_Pich, &Label_CharSet, &TntMemo_FullFontName, &TntMemo_Version, &Label_FileSize,
                 &TntMemo_FileName, &TntMemo_PstscriptName});

  Relayout();
  ClearPanel();
}

TForm_OneTime_sub::~TForm_OneTime_sub() { Destroy(); }


void TForm_OneTime_sub::ClearPanel() {
  ClearFontInfoPanel(NamedInfoControls(*this));
  ui::SetStatusText(*StatusBar1, 0, L"");
}

void TForm_OneTime_sub::ShowFace(const TFileDataItem& record, std::size_t face) {
  if (face >= record.Faces.size() || face >= record.DisplayNames.size()) return;
  ShowFontInfoPanel(NamedInfoControls(*this), record, face);
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
