#include "ui/onetime/form_onetime_sub_win.h"

#include <commctrl.h>
#include <richedit.h>

#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::Docked;

}  // namespace

TForm_OneTime_sub::TForm_OneTime_sub(HWND owner) : owner_(owner) {
  CreateForm(L"詳細表示", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
             742, 303, owner, ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  StatusBar1 = &ui::AddStatusBar(*this, {-1});

  Panel_top.Create(*this, Docked(Align::Top, 28));
  details_.CreateFontNameBox(Panel_top);

  details_.CreateLanguageGrid(*this, Docked(Align::Bottom, 70));
  // The character sets take a column of their own at the right; the window is wider by it.
  details_.CreateCharSets(*this, Docked(Align::Right, 180));
  Panel_right.Create(*this, Docked(Align::Right, 170));
  details_.CreateCodePages(Panel_right, Docked(Align::Top, 90));
  details_.CreateCopyright(Panel_right);

  Panel_BaseLabel.Create(*this, Docked(Align::Client, 0));
  details_.CreateDetailRows(Panel_BaseLabel, 168);

  Relayout();
  ClearPanel();
}

TForm_OneTime_sub::~TForm_OneTime_sub() { Destroy(); }


void TForm_OneTime_sub::ClearPanel() {
  details_.Clear();
  ui::SetStatusText(*StatusBar1, 0, L"");
}

void TForm_OneTime_sub::ShowFace(const TFileDataItem& record, std::size_t face) {
  if (face >= record.Faces.size() || face >= record.DisplayNames.size()) return;
  details_.Show(record, face);
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

void TForm_OneTime_sub::SizeLanguageGrid() { details_.SizeLanguageGrid(); }

}  // namespace velura
