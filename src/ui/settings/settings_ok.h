// What OK does: every check first, then every write, so that a refused OK leaves the settings file and the
// language priority file as they were and the dialog can stay open.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/folder_access.h"
#include "records/procedure_class.h"
#include "settings/ini_keeper.h"
#include "ui/settings/settings_values.h"

namespace velura {

// The control that shows what OK refused.
enum class SettingsFault : std::uint8_t { StartFolder, WorkFolder, Shortcut };

struct SettingsRefusal {
  std::u16string Message;
  SettingsFault Fault = SettingsFault::StartFolder;
  std::size_t Shortcut = 0;  // the hot-key field to show, with SettingsFault::Shortcut
};

// The first value OK cannot take, or nothing. `probe` answers for the folders chosen by their radio buttons.
std::optional<SettingsRefusal> CheckSettingsDialog(const SettingsDialogValues& values, const TIniKeeper& settings,
                                                   const FolderProbe& probe);

// Checks everything and, only when nothing is refused, saves everything (SaveSettingsDialog). A write the
// files refuse still throws UserError.
std::optional<SettingsRefusal> ConfirmSettingsDialog(const SettingsDialogValues& values, TIniKeeper& settings,
                                                     TProcedureClass& engine, const FolderProbe& probe);

}  // namespace velura
