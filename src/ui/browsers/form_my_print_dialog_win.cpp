#include "ui/browsers/form_my_print_dialog_win.h"

#include "platform/message_box.h"
#include "ui/framework/controls_win.h"
#include "ui/longop/run_print_win.h"

namespace velura {

using ui::dock::At;

namespace {

void ShowNoPrinter() { ShowMessage(std::u16string(kNoPrinterText), u"VELURA", MessageIcon::Warning); }

bool IsChecked(const ui::Control* box) { return SendMessageW(box->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(const ui::Control* box, bool on) {
  SendMessageW(box->hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

TForm_MyPrintDialog::TForm_MyPrintDialog(HWND owner, PrinterAccess& printer) : printer_(printer) {
  CreateForm(L"印刷設定", WS_POPUP | WS_CAPTION | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 378, 187, owner,
             ui::Placement::CentreScreen);
  SetFont(ui::FontSpec{L"ＭＳ Ｐゴシック", 12, 0});
  CreateComponents();
  SetOptions(PrintOptions{});
}

void TForm_MyPrintDialog::CreateComponents() {
  auto frame = [&](const ui::dock::Item& dock) {
    Add(ui::ControlSpec{.className = L"BUTTON", .text = L"", .style = BS_GROUPBOX, .dock = dock});
  };
  Label1 = &ui::AddLabel(*this, L"サンプル文字を印刷します", At(8, 8, 220, 13));
  frame(At(8, 24, 217, 117));
  CheckBox1 = &ui::AddCheckBox(*this, L"２段組みにして用紙を節約", At(18, 40, 200, 17));
  CheckBox2 = &ui::AddCheckBox(*this, L"フォント名をフルパスで表示", At(18, 64, 200, 17));
  CheckBox_StyleFont_Visible = &ui::AddCheckBox(*this, L"スタイルフォントは表示しない", At(18, 88, 200, 17));
  CheckBox_CheckOnly = &ui::AddCheckBox(*this, L"チェックしたフォントのみ印刷", At(18, 112, 200, 17));
  frame(At(232, 24, 138, 117));
  Label3 = &ui::AddLabel(*this, L"上余白（mm）", At(242, 43, 72, 13));
  SpinEdit_PageTopMargin = &ui::AddSpinEdit(*this, At(316, 39, 46, 21), 0, kMaxPrintMargin, 1);
  Label4 = &ui::AddLabel(*this, L"左余白（mm）", At(242, 75, 72, 13));
  SpinEdit_PageLeftMargin = &ui::AddSpinEdit(*this, At(316, 71, 46, 21), 0, kMaxPrintMargin, 1);
  Label2 = &ui::AddLabel(*this, L"フォントサイズ", At(242, 107, 72, 13));
  SpinEdit_FontSize = &ui::AddSpinEdit(*this, At(316, 103, 46, 21), kMinSampleSize, kMaxSampleSize, 18);
  Button_PrintSetting = &ui::AddButton(*this, L"プリンタ設定", At(8, 153, 97, 25));
  Button_PrintSetting->onCommand = [this](int code) {
    if (code == BN_CLICKED) Button_PrintSettingClick();
  };
  BitBtn1 = &ui::AddButton(*this, L"OK", At(206, 153, 79, 25), true);
  BitBtn1->onCommand = [this](int code) {
    if (code == BN_CLICKED) EndModal(IDOK);
  };
  BitBtn2 = &ui::AddButton(*this, L"キャンセル", At(291, 153, 79, 25));
  BitBtn2->onCommand = [this](int code) {
    if (code == BN_CLICKED) EndModal(IDCANCEL);
  };
  defaultButtonId_ = BitBtn1->id;
  cancelButtonId_ = BitBtn2->id;
  Relayout();
}

PrintOptions TForm_MyPrintDialog::Options() const {
  PrintOptions options;
  options.twoColumns = IsChecked(CheckBox1);
  options.fullPath = IsChecked(CheckBox2);
  options.hideStyleFonts = IsChecked(CheckBox_StyleFont_Visible);
  options.tickedOnly = IsChecked(CheckBox_CheckOnly);
  options.sampleSize = ui::SpinEditValue(*SpinEdit_FontSize);
  options.topMargin = ui::SpinEditValue(*SpinEdit_PageTopMargin);
  options.leftMargin = ui::SpinEditValue(*SpinEdit_PageLeftMargin);
  return ClampedOptions(options);
}

void TForm_MyPrintDialog::SetOptions(const PrintOptions& options) {
  SetChecked(CheckBox1, options.twoColumns);
  SetChecked(CheckBox2, options.fullPath);
  SetChecked(CheckBox_StyleFont_Visible, options.hideStyleFonts);
  SetChecked(CheckBox_CheckOnly, options.tickedOnly);
  ui::SetSpinEditValue(*SpinEdit_FontSize, options.sampleSize);
  ui::SetSpinEditValue(*SpinEdit_PageTopMargin, options.topMargin);
  ui::SetSpinEditValue(*SpinEdit_PageLeftMargin, options.leftMargin);
}

void TForm_MyPrintDialog::Button_PrintSettingClick() {
  if (!printer_.Available()) {
    ShowNoPrinter();
    return;
  }
  printer_.Setup(Hwnd());  // PrintDialog1
}

void PrintSamples(HWND owner, const std::u16string& sampleText, const TFileData_base& list, TForm_StatusBar& status,
                  PrinterAccess& printer) {
  if (!printer.Available()) {
    ShowNoPrinter();
    return;
  }
  // The options chosen last, for the rest of the run (they are not stored in the settings).
  static PrintOptions lastOptions;
  PrintOptions options;
  {
    TForm_MyPrintDialog dialog(owner, printer);
    dialog.SetOptions(lastOptions);
    if (dialog.ShowModal() != IDOK) return;
    options = lastOptions = dialog.Options();
  }
  // The printer may have gone since the dialog opened (or the set-up chose one that cannot be opened).
  const std::unique_ptr<PrintSurface> page = printer.Open();
  if (!page) {
    ShowNoPrinter();
    return;
  }
  RunPrint(status, *page, list, sampleText, options);
}

}  // namespace velura
