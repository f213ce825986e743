// The page "設定": the default sample size, the browser's start folder and the work folder.
#include "platform/wide_win.h"
#include "ui/fontviews/folder_picker_win.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/settings/form_setting1_win.h"
#include "ui/settings/setting_page_controls_win.h"

namespace velura {

using ui::dock::At;

void TForm_setting1::CreateSettingPage(ui::Panel& page) {
  AddGroupBox(page, L"サンプル表示", At(8, 4, 430, 72));
  ui::AddLabel(page, L"サンプル表示のデフォルトフォントサイズ", At(20, 26, 220, 13));
  ComboBox_DefSampleFontSize = &ui::AddComboBox(page, At(248, 22, 64, 22 + 11 * 15));
  for (const int size : kSampleFontSizes) ui::AddComboItem(*ComboBox_DefSampleFontSize, std::to_wstring(size));
  CheckBox_opMemory = &ui::AddCheckBox(page, L"サンプル表示で選択したフォントサイズを記憶する", At(20, 50, 400, 17));

  AddGroupBox(page, L"パスの記憶", At(8, 82, 430, 100));
  ui::AddLabel(page, L"ローカルフォント選択用ツリービューのデフォルトフォルダ", At(20, 100, 400, 13));
  RadioButton_df1 = &ui::AddRadioButton(page, L"常に前回選択フォルダを開く", At(20, 117, 300, 17), true);
  RadioButton_df2 = &ui::AddRadioButton(page, L"起動時は次のフォルダをデフォルトで開く", At(20, 136, 300, 17), false);
  Edit_df2_path = &ui::AddEdit(page, L"", At(36, 155, 328, 20));
  Button4 = &ui::AddButton(page, L"参照...", At(372, 153, 56, 24));
  ui::OnClick(*Button4, [this] { Button4Click(); });

  AddGroupBox(page, L"一時作業用フォルダ 「VELURA__TEMP」 の場所", At(8, 188, 430, 120));
  RadioButton_Temp1 = &ui::AddRadioButton(page, L"既定のTEMPフォルダを使用する", At(20, 206, 300, 17), true);
  RadioButton_Temp2 = &ui::AddRadioButton(page, L"次のフォルダを指定する（読み書きができ、空き容量がある場所）",
                                          At(20, 225, 400, 17), false);
  Edit_Temp2_path = &ui::AddEdit(page, L"", At(36, 244, 328, 20));
  Button5 = &ui::AddButton(page, L"参照...", At(372, 242, 56, 24));
  ui::OnClick(*Button5, [this] { Button5Click(); });
  // Two lines: the note is wider than the group at every scaling.
  ui::AddLabel(page, L"※「次のフォルダ・・・」を空欄で指定するとVELURAの起動フォルダが使用されます",
               At(20, 266, 412, 26));
  ui::AddLabel(page, L"※この設定はVELURA再起動後に有効になります", At(20, 292, 412, 13));
}

void TForm_setting1::LoadSettingPage() {
  SetChecked(CheckBox_opMemory, values_.RememberSampleSize);
  ui::SetComboSelectedIndex(*ComboBox_DefSampleFontSize, values_.SampleSizeIndex);
  SetChecked(RadioButton_df1, !values_.DefaultFolder.Use);
  SetChecked(RadioButton_df2, values_.DefaultFolder.Use);
  SetWindowTextW(Edit_df2_path->hwnd, AsWide(values_.DefaultFolder.Path));
  SetChecked(RadioButton_Temp1, !values_.TempFolder.Use);
  SetChecked(RadioButton_Temp2, values_.TempFolder.Use);
  SetWindowTextW(Edit_Temp2_path->hwnd, AsWide(values_.TempFolder.Path));
}

void TForm_setting1::SaveSettingPage() {
  values_.SampleSizeIndex = ui::ComboSelectedIndex(*ComboBox_DefSampleFontSize);
  values_.RememberSampleSize = IsChecked(CheckBox_opMemory);
  values_.DefaultFolder = {IsChecked(RadioButton_df2), ToU16(ui::WindowText(Edit_df2_path->hwnd))};
  values_.TempFolder = {IsChecked(RadioButton_Temp2), ToU16(ui::WindowText(Edit_Temp2_path->hwnd))};
}

std::wstring TForm_setting1::ChooseFolder() {
  RECT frame{};
  GetWindowRect(Hwnd(), &frame);
  return BrowseForFolder(Hwnd(), L"フォルダ選択", {}, frame.left, frame.top);
}

void TForm_setting1::Button4Click() {
  const std::wstring folder = ChooseFolder();
  if (folder.empty()) return;
  SetWindowTextW(Edit_df2_path->hwnd, folder.c_str());
  SetChecked(RadioButton_df1, false);
  SetChecked(RadioButton_df2, true);
}

void TForm_setting1::Button5Click() {
  const std::wstring folder = ChooseFolder();
  if (folder.empty()) return;
  SetWindowTextW(Edit_Temp2_path->hwnd, folder.c_str());
  SetChecked(RadioButton_Temp1, false);
  SetChecked(RadioButton_Temp2, true);
}

}  // namespace velura
