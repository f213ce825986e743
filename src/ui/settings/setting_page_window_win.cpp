// The page "ウインドウ位置": which windows reopen at their remembered place, the launcher's stay-on-top,
// and the reset of the window memory, which ends the program.
#include "platform/message_box.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/settings/form_setting1_win.h"
#include "ui/settings/setting_page_controls_win.h"

namespace velura {

using ui::dock::At;

void TForm_setting1::CreateWindowPage(ui::Panel& page) {
  const auto kind = [](TWindowKind k) { return static_cast<std::size_t>(k); };
  AddGroupBox(page, L"ウインドウ位置を記憶する", At(8, 4, 430, 46));
  WindowCheckBoxes[kind(TWindowKind::Main)] =
      &ui::AddCheckBox(page, L"メインフォーム（メニューウインドウ）", At(20, 24, 400, 17));

  AddGroupBox(page, L"ウインドウ位置とサイズを記憶する", At(8, 56, 430, 146));
  const std::pair<TWindowKind, const wchar_t*> sized[] = {{TWindowKind::OneTimeInst, L"一時インストールの管理"},
                                                          {TWindowKind::LocalView, L"未インストールフォント閲覧"},
                                                          {TWindowKind::InstalledView, L"インストール済みフォント閲覧"},
                                                          {TWindowKind::RegView, L"フォントレジストリビューアー+"},
                                                          {TWindowKind::SymbolView, L"シンボルフォントビューアー"},
                                                          {TWindowKind::UnicodeView, L"ユニコードビューアー"}};
  int top = 76;
  for (const auto& [windowKind, caption] : sized) {
    WindowCheckBoxes[kind(windowKind)] = &ui::AddCheckBox(page, caption, At(20, top, 400, 17));
    top += 20;
  }
  CheckBox_MainFormTop =
      &ui::AddCheckBox(page, L"メニューウインドウを常に最前面に表示する（再起動後より有効）", At(8, 210, 430, 17));
  Button_initialize = &ui::AddButton(page, L"ウインドウ位置とサイズの記憶情報を初期化する", At(8, 240, 290, 25));
  ui::OnClick(*Button_initialize, [this] { Button_initializeClick(); });
  ui::AddEdit(page, L"ウインドウによっては\r\n記憶設定にかかわらず\r\n起動中のみ位置とサイズ\r\nが復元されます",
              At(308, 234, 130, 70), ES_MULTILINE | ES_READONLY);
}

void TForm_setting1::LoadWindowPage() {
  for (std::size_t k = 0; k < WindowCheckBoxes.size(); ++k)
    SetChecked(WindowCheckBoxes[k], (values_.WindowFlags >> k) & 1u);
  SetChecked(CheckBox_MainFormTop, values_.StayOnTop);
}

void TForm_setting1::SaveWindowPage() {
  values_.WindowFlags = 0;
  for (std::size_t k = 0; k < WindowCheckBoxes.size(); ++k)
    if (IsChecked(WindowCheckBoxes[k])) values_.WindowFlags |= static_cast<TWindowFlags>(1u << k);
  values_.StayOnTop = IsChecked(CheckBox_MainFormTop);
}

void TForm_setting1::Button_initializeClick() {
  if (site_.closeAllWindows) site_.closeAllWindows();
  site_.settings.ClearAll();
  FormShow();
  ShowMessage(u"ウインドウの位置とサイズの記憶情報を初期化しました\r\n終了しますので再度起動してください", u"VELURA",
              MessageIcon::Information);
  // The launcher is closed once this dialog, which it owns, is gone; nothing is saved.
  programEndRequested_ = true;
  EndModal(IDCANCEL);
}

}  // namespace velura
