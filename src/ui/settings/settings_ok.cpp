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

// A chosen folder must be there when it is used. The start folder is only browsed, so reading it is
// enough; the work folder receives "VELURA__TEMP" and must take files. An empty path chooses nothing (an
// empty work folder means the program's own folder) and is not asked about.
std::optional<SettingsRefusal> UnusableFolder(const SettingsDialogValues& values, const FolderProbe& probe) {
  constexpr std::u16string_view kChooseAnother = u"\r\n別のフォルダを指定してください";
  auto refusal = [&](const std::u16string& path, std::u16string_view reason, SettingsFault fault) {
    return SettingsRefusal{path + u"\r\n" + std::u16string(reason) + std::u16string(kChooseAnother), fault};
  };
  if (values.DefaultFolder.Use && !values.DefaultFolder.Path.empty() &&
      probe(values.DefaultFolder.Path) == FolderAccess::Missing)
    return refusal(values.DefaultFolder.Path, u"このフォルダは存在しません。", SettingsFault::StartFolder);
  if (values.TempFolder.Use && !values.TempFolder.Path.empty()) {
    const FolderAccess access = probe(values.TempFolder.Path);
    if (access == FolderAccess::Missing)
      return refusal(values.TempFolder.Path, u"このフォルダは存在しません。", SettingsFault::WorkFolder);
    if (access == FolderAccess::ReadOnly)
      return refusal(values.TempFolder.Path, u"このフォルダには書き込めません。", SettingsFault::WorkFolder);
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

std::optional<SettingsRefusal> CheckSettingsDialog(const SettingsDialogValues& values, const TIniKeeper& settings,
                                                   const FolderProbe& probe) {
  if (auto refusal = UnstorableFolder(values, settings)) return refusal;
  if (auto refusal = UnusableFolder(values, probe)) return refusal;
  return SharedShortcutOf(values);
}

std::optional<SettingsRefusal> ConfirmSettingsDialog(const SettingsDialogValues& values, TIniKeeper& settings,
                                                     TProcedureClass& engine, const FolderProbe& probe) {
  if (auto refusal = CheckSettingsDialog(values, settings, probe)) return refusal;
  SaveSettingsDialog(values, settings, engine);
  return std::nullopt;
}

}  // namespace velura
