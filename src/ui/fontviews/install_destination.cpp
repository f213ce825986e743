#include "ui/fontviews/install_destination.h"

namespace velura {

InstallDestinationModel::InstallDestinationModel(std::vector<std::u16string> candidates)
    : entries_(std::move(candidates)) {
  if (entries_.empty()) entries_.emplace_back();
  fontsFolder_ = entries_[0];
  entries_[0] = u"既定のフォントフォルダ　　\"" + fontsFolder_ + u"\"";
}

InstallDestinationModel InstallDestinationModel::ForUser(const std::u16string& userFontsFolder) {
  InstallDestinationModel model({userFontsFolder});
  model.entries_[0] = u"このユーザーのフォントフォルダ　　\"" + userFontsFolder + u"\"";
  model.perUser_ = true;
  return model;
}

std::vector<std::u16string> InstallDestinationModel::Result() const {
  std::vector<std::u16string> result = entries_;
  result[0] = fontsFolder_;
  return result;
}

std::u16string InstallDestinationModel::EditTextForSelection() const {
  if (selected < 1 || selected >= static_cast<int>(entries_.size())) return {};
  return entries_[selected];
}

bool InstallDestinationModel::EnsureFolder(const std::u16string& folder, DestinationFolders& folders) const {
  if (folders.Exists(folder)) return true;
  if (!folders.ConfirmCreation()) return false;
  if (folders.Create(folder)) return true;
  folders.ShowMessage(u"ディレクトリ作成に失敗しました\r\n処理を中断します");
  return false;
}

bool InstallDestinationModel::AddFolder(const std::u16string& folder, DestinationFolders& folders) {
  if (perUser_) return false;
  if (!EnsureFolder(folder, folders)) return false;
  entries_.push_back(folder);
  selected = static_cast<int>(entries_.size()) - 1;
  return true;
}

bool InstallDestinationModel::CanCloseWithOk(DestinationFolders& folders) const {
  if (selected < 0 || selected >= static_cast<int>(entries_.size())) {
    folders.ShowMessage(u"インストール先を選択してください");
    return false;
  }
  return selected == 0 || EnsureFolder(entries_[selected], folders);
}

}  // namespace velura
