#include "ui/settings/settings_ok.h"

#include <utility>

#include "ui/settings/settings_rules.h"

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

// Two buttons on one shortcut: only one of them could ever be reached by it.
std::optional<SettingsRefusal> SharedShortcutOf(const SettingsDialogValues& values) {
  const auto shared = SharedShortcut(values.Shortcuts);
  if (!shared) return std::nullopt;
  std::u16string message = u"同じショートカットキーが複数のボタンに設定されています\r\n「";
  message.append(kShortcutButtonNames[shared->first]);
  message += u"」と「";
  message.append(kShortcutButtonNames[shared->second]);
  message += u"」";
  return SettingsRefusal{message, SettingsFault::Shortcut, shared->second};
}

}  // namespace

std::optional<SettingsRefusal> CheckSettingsDialog(const SettingsDialogValues& values, const TIniKeeper& settings) {
  if (auto refusal = UnstorableFolder(values, settings)) return refusal;
  return SharedShortcutOf(values);
}

std::optional<SettingsRefusal> ConfirmSettingsDialog(const SettingsDialogValues& values, TIniKeeper& settings,
                                                     TProcedureClass& engine) {
  if (auto refusal = CheckSettingsDialog(values, settings)) return refusal;
  SaveSettingsDialog(values, settings, engine);
  return std::nullopt;
}

}  // namespace velura
