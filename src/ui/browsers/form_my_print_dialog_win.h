// TForm_MyPrintDialog: the modal "印刷設定" dialog of the sample catalogue (options, margins, sample size,
// the printer set-up), and PrintSamples, the print command both browsers call.
#pragma once
#include <string>

#include "records/file_data.h"
#include "records/print_layout.h"
#include "ui/framework/form_win.h"
#include "ui/longop/form_status_bar_win.h"
#include "ui/longop/printer_access_win.h"

namespace velura {

class TForm_MyPrintDialog : public ui::Form {
 public:
  TForm_MyPrintDialog(HWND owner, PrinterAccess& printer);

  // The options as the controls hold them, in their ranges.
  PrintOptions Options() const;
  void SetOptions(const PrintOptions& options);

  void Button_PrintSettingClick();

  ui::Control* Label1 = nullptr;
  ui::Control* CheckBox1 = nullptr;                   // two columns
  ui::Control* CheckBox2 = nullptr;                   // full path
  ui::Control* CheckBox_StyleFont_Visible = nullptr;  // hide style fonts
  ui::Control* CheckBox_CheckOnly = nullptr;          // ticked only
  ui::Control* Label3 = nullptr;
  ui::Control* SpinEdit_PageTopMargin = nullptr;
  ui::Control* Label4 = nullptr;
  ui::Control* SpinEdit_PageLeftMargin = nullptr;
  ui::Control* Label2 = nullptr;
  ui::Control* SpinEdit_FontSize = nullptr;
  ui::Control* Button_PrintSetting = nullptr;
  ui::Control* BitBtn1 = nullptr;  // OK
  ui::Control* BitBtn2 = nullptr;  // Cancel

 private:
  void CreateComponents();

  PrinterAccess& printer_;
};

// The browsers' "印刷...": without a printer only the message; otherwise the dialog, and on OK the list's
// records printed with the sample text (empty: each face its own name) in the status window.
void PrintSamples(HWND owner, const std::u16string& sampleText, const TFileData_base& list, TForm_StatusBar& status,
                  PrinterAccess& printer = SystemPrinter());

}  // namespace velura
