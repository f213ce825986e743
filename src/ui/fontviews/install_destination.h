// The decisions of the install destination dialog, on plain data: the entries it offers, adding a
// folder, and whether the dialog may close with OK. Folders are asked about and created through a small
// interface, so the rules run without windows.
#pragma once
#include <string>
#include <vector>

namespace velura {

class DestinationFolders {
 public:
  virtual ~DestinationFolders() = default;
  virtual bool Exists(const std::u16string& folder) = 0;
  // Asks "フォルダを新規作成します"; true for OK.
  virtual bool ConfirmCreation() = 0;
  // Creates the folder with every missing parent.
  virtual bool Create(const std::u16string& folder) = 0;
  virtual void ShowMessage(const std::u16string& text) = 0;
};

struct InstallDestinationChoice {
  bool confirmed = false;
  int index = -1;
  bool copyFiles = true;
};

// The dialog's help lines for a user without administrator rights, where no folder can be added.
inline constexpr const char16_t* kPerUserHelpLines[2] = {u"管理者権限がないため、フォントはこのユーザーだけに",
                                                        u"インストールします（インストール先は追加できません）"};

class InstallDestinationModel {
 public:
  // candidates[0] is the fonts folder; it is shown as "既定のフォントフォルダ　　" and the folder in quotes.
  explicit InstallDestinationModel(std::vector<std::u16string> candidates);
  // A user without administrator rights: the one entry "このユーザーのフォントフォルダ　　" and the folder in
  // quotes; every other destination would need machine-wide registry writes, so none can be added.
  static InstallDestinationModel ForUser(const std::u16string& userFontsFolder);

  bool PerUser() const { return perUser_; }

  const std::vector<std::u16string>& Entries() const { return entries_; }
  // The list the caller gets back: entry 0 is the plain fonts folder again.
  std::vector<std::u16string> Result() const;

  int selected = 0;
  bool copyFiles = true;

  // The text the edit box takes when an entry is clicked: empty for none or the fonts folder.
  std::u16string EditTextForSelection() const;
  // Adds a folder (creating it after asking when it does not exist) and selects it. False when nothing was
  // added.
  bool AddFolder(const std::u16string& folder, DestinationFolders& folders);
  // Whether the dialog may close with OK (creating the chosen folder after asking when it is missing).
  bool CanCloseWithOk(DestinationFolders& folders) const;

 private:
  bool EnsureFolder(const std::u16string& folder, DestinationFolders& folders) const;
  std::vector<std::u16string> entries_;
  std::u16string fontsFolder_;
  bool perUser_ = false;
};

}  // namespace velura
