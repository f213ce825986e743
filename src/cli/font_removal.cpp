#include "cli/font_removal.h"

namespace velura {

namespace {

bool DeleteValue(const InstalledEntry& entry, TRegFontData& registry) {
  if (entry.PerUser) return registry.DeleteUserFontValueForFile(entry.Path);
  return (!entry.ValueName.empty() && registry.DeleteFontValueNamed(entry.ValueName)) ||
         registry.DeleteFontValueForFile(entry.Path);
}

}  // namespace

RemovalOutcome RemoveInstalledFont(const InstalledEntry& entry, TRegFontData& registry,
                                   FontRegistrations& registrations, FileServices& files, RestartDeletion& restart) {
  if (!files.Exists(entry.Path)) {
    DeleteValue(entry, registry);
    return RemovalOutcome::Deleted;
  }
  // The session's registration first: it alone may be what holds the file.
  registrations.RemoveForUninstall(entry.Path);
  const bool deletableNow = files.CanDelete(entry.Path);
  if (!deletableNow && !restart.ScheduleDeletion(entry.Path)) {
    registrations.KeepInstalled(entry.Path);
    return RemovalOutcome::Failed;
  }
  DeleteValue(entry, registry);
  if (!deletableNow) return RemovalOutcome::Scheduled;
  files.ClearAttributes(entry.Path);
  if (files.Delete(entry.Path)) return RemovalOutcome::Deleted;
  // Taken between the check and the deletion: the value is gone, so the file must go at the latest at restart.
  return restart.ScheduleDeletion(entry.Path) ? RemovalOutcome::Scheduled : RemovalOutcome::Failed;
}

}  // namespace velura
