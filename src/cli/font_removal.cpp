#include "cli/font_removal.h"

namespace velura {

namespace {

// The registry's error text, or empty when the value went or there was none.
std::u16string DeleteValue(const InstalledEntry& entry, TRegFontData& registry) {
  try {
    if (entry.PerUser) registry.DeleteUserFontValueForFile(entry.Path);
    else if (entry.ValueName.empty() || !registry.DeleteFontValueNamed(entry.ValueName))
      registry.DeleteFontValueForFile(entry.Path);
    return {};
  } catch (const UserError& error) {
    return error.Message().empty() ? u"レジストリの記述を削除できませんでした" : error.Message();
  }
}

}  // namespace

Removal RemoveInstalledFont(const InstalledEntry& entry, TRegFontData& registry, FontRegistrations& registrations,
                            FileServices& files, RestartDeletion& restart) {
  if (!files.Exists(entry.Path)) {
    std::u16string error = DeleteValue(entry, registry);
    return {error.empty() ? RemovalOutcome::Deleted : RemovalOutcome::Failed, std::move(error)};
  }
  // The session's registration first: it alone may be what holds the file.
  registrations.RemoveForUninstall(entry.Path);
  const bool deletableNow = files.CanDelete(entry.Path);
  if (!deletableNow) {
    if (!restart.ScheduleDeletion(entry.Path)) {
      registrations.KeepInstalled(entry.Path);
      return {RemovalOutcome::Failed, {}};
    }
    return {RemovalOutcome::Scheduled, DeleteValue(entry, registry)};
  }
  if (std::u16string error = DeleteValue(entry, registry); !error.empty()) {
    registrations.KeepInstalled(entry.Path);
    return {RemovalOutcome::Failed, std::move(error)};
  }
  files.ClearAttributes(entry.Path);
  if (files.Delete(entry.Path)) return {RemovalOutcome::Deleted, {}};
  // Taken between the check and the deletion: the value is gone, so the file must go at the latest at restart.
  return {restart.ScheduleDeletion(entry.Path) ? RemovalOutcome::Scheduled : RemovalOutcome::Failed, {}};
}

}  // namespace velura
