// Tform_InstallSelect: the modal dialog that asks where ticked fonts are installed and whether they are
// copied there.
#pragma once
#include <string>
#include <vector>

#include "ui/fontviews/install_destination.h"
#include "ui/fontviews/list_box_zel_win.h"
#include "ui/framework/form_win.h"

namespace velura {

class Tform_InstallSelect : public ui::Form, private DestinationFolders {
 public:
  Tform_InstallSelect(HWND owner, std::vector<std::u16string> candidates, std::u16string fontFilesFolder);
  // The per-user form: the user's fonts folder alone, always copied there; nothing can be added.
  Tform_InstallSelect(HWND owner, InstallDestinationModel model, std::u16string fontFilesFolder);

  InstallDestinationModel& Model() { return model_; }
  TListBox_zel ListBox_zel1;
  ui::Control* CheckBox1 = nullptr;
  ui::Control* Edit1 = nullptr;
  ui::Control* Button_DirSel = nullptr;
  ui::Control* Button_ListAdd = nullptr;
  ui::Control* BitBtn1 = nullptr;
  ui::Control* BitBtn2 = nullptr;

  void Button_ListAddClick();
  void Button_DirSelClick();
  void ListBox_zel1Click();
  void ListBox_zel1DblClick();
  void BitBtn1Click();  // OK, with the close check

 private:
  void Build(HWND owner);
  void CreateComponents();
  void FillList();
  bool Exists(const std::u16string& folder) override;
  bool ConfirmCreation() override;
  bool Create(const std::u16string& folder) override;
  void ShowMessage(const std::u16string& text) override;

  InstallDestinationModel model_;
  std::u16string fontFilesFolder_;
};

// Runs the dialog. On OK the candidates become the dialog's entries (entry 0 the plain fonts folder).
InstallDestinationChoice RunInstallDestination(HWND owner, std::vector<std::u16string>& candidates,
                                               const std::u16string& fontFilesFolder);

// Runs the per-user form of the dialog; on OK the index is 0 and the files are copied.
InstallDestinationChoice RunUserInstallDestination(HWND owner, const std::u16string& userFontsFolder,
                                                   const std::u16string& fontFilesFolder);

}  // namespace velura
