#include "ui/fontviews/form_install_select_win.h"

#include <shlobj.h>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "ui/fontviews/folder_picker_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"

namespace velura {

using ui::dock::At;

Tform_InstallSelect::Tform_InstallSelect(HWND owner, std::vector<std::u16string> candidates,
                                         std::u16string fontFilesFolder)
    : model_(std::move(candidates)), fontFilesFolder_(std::move(fontFilesFolder)) {
  Build(owner);
}

Tform_InstallSelect::Tform_InstallSelect(HWND owner, InstallDestinationModel model, std::u16string fontFilesFolder)
    : model_(std::move(model)), fontFilesFolder_(std::move(fontFilesFolder)) {
  Build(owner);
}

void Tform_InstallSelect::Build(HWND owner) {
  CreateForm(L"インストール先", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 536,
                       273, owner, ui::Placement::CentreScreen);
  SetFont(ui::FontSpec{L"ＭＳ Ｐゴシック", 12, 0});
  CreateComponents();
  FillList();
  if (model_.PerUser()) {
    // Shown but not offered: a per-user font is always a copy in the user's folder.
    for (ui::Control* control : {CheckBox1, Edit1, Button_DirSel, Button_ListAdd}) EnableWindow(control->hwnd, FALSE);
  }
}

void Tform_InstallSelect::CreateComponents() {
  ui::AddLabel(*this, L"インストール先を選択", At(8, 8, 200, 13));
  ui::Control& list = ListBox_zel1.Create(*this, At(8, 24, 521, 105), WS_VSCROLL | WS_HSCROLL | WS_BORDER);
  SetControlFont(list, ui::FontSpec{L"MS UI Gothic", 15, 0});
  ListBox_zel1.SetClickCancel(false);
  ListBox_zel1.OnClick = [this] { ListBox_zel1Click(); };
  ListBox_zel1.OnDblClick = [this] { ListBox_zel1DblClick(); };
  CheckBox1 = &ui::AddCheckBox(*this, L"インストール先にフォントファイルをコピーする（通常は選択してください）",
                               At(120, 136, 409, 17));
  SendMessageW(CheckBox1->hwnd, BM_SETCHECK, BST_CHECKED, 0);
  ui::AddLabel(*this, L"インストール先の追加", At(8, 168, 200, 13));
  Edit1 = &ui::AddEdit(*this, L"", At(8, 184, 409, 20));
  SetControlFont(*Edit1, ui::FontSpec{L"MS UI Gothic", 0, 9});
  SetWindowLongW(Edit1->hwnd, GWL_EXSTYLE, GetWindowLongW(Edit1->hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
  Button_DirSel = &ui::AddButton(*this, L"参照...", At(424, 182, 41, 25));
  Button_DirSel->onCommand = [this](int code) {
    if (code == BN_CLICKED) Button_DirSelClick();
  };
  Button_ListAdd = &ui::AddButton(*this, L"追加", At(476, 182, 51, 25));
  Button_ListAdd->onCommand = [this](int code) {
    if (code == BN_CLICKED) Button_ListAddClick();
  };
  if (model_.PerUser()) {
    // No folder can be added: the help says why there is only the one destination instead.
    ui::AddLabel(*this, reinterpret_cast<const wchar_t*>(kPerUserHelpLines[0]), At(16, 224, 340, 13));
    ui::AddLabel(*this, reinterpret_cast<const wchar_t*>(kPerUserHelpLines[1]), At(16, 240, 340, 13));
  } else {
    ui::AddLabel(*this, L"リストにないフォルダにインストールする場合、インストール先を", At(16, 224, 340, 13));
    ui::AddLabel(*this, L"入力した後に", At(16, 240, 72, 13));
    ui::Control& underlined = ui::AddLabel(*this, L"追加ボタンでリストに追加します", At(88, 240, 200, 13));
    SetControlFont(underlined, ui::FontSpec{L"ＭＳ Ｐゴシック", 12, 0, false, false, true});
  }
  BitBtn1 = &ui::AddButton(*this, L"OK", At(360, 239, 81, 25), true);
  BitBtn1->onCommand = [this](int code) {
    if (code == BN_CLICKED) BitBtn1Click();
  };
  BitBtn2 = &ui::AddButton(*this, L"キャンセル", At(448, 239, 81, 25));
  BitBtn2->onCommand = [this](int code) {
    if (code == BN_CLICKED) EndModal(IDCANCEL);
  };
  defaultButtonId_ = BitBtn1->id;
  cancelButtonId_ = BitBtn2->id;
  Relayout();
}

void Tform_InstallSelect::FillList() {
  ui::ClearListBoxItems(ListBox_zel1.Record());
  for (const auto& entry : model_.Entries()) ui::AddListBoxItem(ListBox_zel1.Record(), ToWide(entry));
  ListBox_zel1.SelectIndex(model_.selected);
}

void Tform_InstallSelect::ListBox_zel1Click() {
  model_.selected = ui::ListBoxSelectedIndex(ListBox_zel1.Record());
  SetWindowTextW(Edit1->hwnd, AsWide(model_.EditTextForSelection()));
}

void Tform_InstallSelect::ListBox_zel1DblClick() { BitBtn1Click(); }

void Tform_InstallSelect::Button_ListAddClick() {
  const std::u16string folder = ToU16(ui::WindowText(Edit1->hwnd));
  if (folder.empty() || !model_.AddFolder(folder, *this)) return;
  FillList();
}

void Tform_InstallSelect::Button_DirSelClick() {
  RECT frame{};
  GetWindowRect(Hwnd(), &frame);
  const std::wstring folder =
      BrowseForFolder(Hwnd(), L"フォントインストールフォルダの指定", ToWide(fontFilesFolder_), frame.left, frame.top);
  if (folder.empty()) return;
  SetWindowTextW(Edit1->hwnd, folder.c_str());
  SetFocus(Edit1->hwnd);
  Button_ListAddClick();
}

void Tform_InstallSelect::BitBtn1Click() {
  model_.selected = ui::ListBoxSelectedIndex(ListBox_zel1.Record());
  if (!model_.CanCloseWithOk(*this)) return;
  model_.copyFiles = SendMessageW(CheckBox1->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
  EndModal(IDOK);
}

bool Tform_InstallSelect::Exists(const std::u16string& folder) {
  const DWORD attributes = GetFileAttributesW(AsWide(folder));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Tform_InstallSelect::ConfirmCreation() {
  return velura::ShowMessage(MessageRequest{u"フォルダを新規作成します", u"フォルダ作成の確認", MessageIcon::Question,
                                            MessageButtons::OkCancel, 0}) == MessageResult::Ok;
}

bool Tform_InstallSelect::Create(const std::u16string& folder) {
  return SHCreateDirectoryExW(Hwnd(), AsWide(folder), nullptr) == ERROR_SUCCESS;
}

void Tform_InstallSelect::ShowMessage(const std::u16string& text) { velura::ShowMessage(text, u"VELURA"); }

InstallDestinationChoice RunInstallDestination(HWND owner, std::vector<std::u16string>& candidates,
                                               const std::u16string& fontFilesFolder) {
  Tform_InstallSelect dialog(owner, candidates, fontFilesFolder);
  InstallDestinationChoice choice;
  if (dialog.ShowModal() != IDOK) return choice;
  candidates = dialog.Model().Result();
  choice.confirmed = true;
  choice.index = dialog.Model().selected;
  choice.copyFiles = dialog.Model().copyFiles;
  return choice;
}

InstallDestinationChoice RunUserInstallDestination(HWND owner, const std::u16string& userFontsFolder,
                                                   const std::u16string& fontFilesFolder) {
  Tform_InstallSelect dialog(owner, InstallDestinationModel::ForUser(userFontsFolder), fontFilesFolder);
  InstallDestinationChoice choice;
  if (dialog.ShowModal() != IDOK) return choice;
  choice.confirmed = true;
  choice.index = dialog.Model().selected;
  choice.copyFiles = true;
  return choice;
}

}  // namespace velura
