#include "ui/settings/settings_ok.h"

#include <utility>

namespace velura {

namespace {

// Both folders are checked whichever radio button is on, because both paths are stored.
std::optional<SettingsRefusal> UnstorableFolder(const SettingsDialogValues& values, const TIniKeeper& settings) {
  for (const auto& [folder, fault] : {std::pair{&values.DefaultFolder, SettingsFault::StartFolder},
                                      std::pair{&values.TempFolder, SettingsFault::WorkFolder}}) {
    if (settings.CanHold(folder->Path)) continue;
    return SettingsRefusal{
        folder->Path +
            u"\r\nこのフォルダ名には設定ファイルに保存できない文字が含まれています。\r\n別のフォルダを指定してください",
        fault};
  }
  return std::nullopt;
}

}  // namespace

std::optional<SettingsRefusal> CheckSettingsDialog(const SettingsDialogValues& values, const TIniKeeper& settings) {
  return UnstorableFolder(values, settings);
}

std::optional<SettingsRefusal> ConfirmSettingsDialog(const SettingsDialogValues& values, TIniKeeper& settings,
                                                     TProcedureClass& engine) {
  if (auto refusal = CheckSettingsDialog(values, settings)) return refusal;
  SaveSettingsDialog(values, settings, engine);
  return std::nullopt;
}

}  // namespace velura
