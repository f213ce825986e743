#include "ui/charview/form_go_to_code_point_win.h"

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"

namespace velura {

using ui::dock::At;

TForm_GoToCodePoint::TForm_GoToCodePoint(HWND owner) {
  CreateForm(L"コードポイントへ移動", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 300, 104,
             owner, ui::Placement::CentreScreen);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  ui::AddLabel(*this, L"コードポイントへ移動（U+20BB7、20BB7 または文字そのもの）", At(8, 10, 284, 13));
  Edit_CodePoint = &ui::AddEdit(*this, L"", At(8, 30, 284, 21));
  SetWindowLongW(Edit_CodePoint->hwnd, GWL_EXSTYLE, GetWindowLongW(Edit_CodePoint->hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
  SendMessageW(Edit_CodePoint->hwnd, EM_SETLIMITTEXT, 40, 0);
  Button_OK = &ui::AddButton(*this, L"OK", At(132, 66, 76, 25), true);
  ui::OnClick(*Button_OK, [this] { Button_OKClick(); });
  Button_Cancel = &ui::AddButton(*this, L"キャンセル", At(216, 66, 76, 25));
  ui::OnClick(*Button_Cancel, [this] { EndModal(IDCANCEL); });
  defaultButtonId_ = Button_OK->id;
  cancelButtonId_ = Button_Cancel->id;
  Relayout();
  SetFocus(Edit_CodePoint->hwnd);
}

TForm_GoToCodePoint::~TForm_GoToCodePoint() { Destroy(); }

void TForm_GoToCodePoint::Button_OKClick() {
  target_ = ReadGoToInput(ToU16(ui::WindowText(Edit_CodePoint->hwnd)));
  if (!target_.ok) {
    ShowMessage(target_.error, u"コードポイントへ移動", MessageIcon::Warning);
    SetFocus(Edit_CodePoint->hwnd);
    SendMessageW(Edit_CodePoint->hwnd, EM_SETSEL, 0, -1);
    return;
  }
  EndModal(IDOK);
}

bool RunGoToCodePointDialog(HWND owner, GoToTarget& target) {
  TForm_GoToCodePoint dialog(owner);
  if (dialog.ShowModal() != IDOK) return false;
  target = dialog.Target();
  return true;
}

}  // namespace velura
