#include "ui/fontviews/elevation_offer.h"

namespace velura {

bool OffersElevatedRestart(AdminOnlyCommands commands, const ElevationFacts& facts) {
  if (facts.isAdmin || !facts.adminWithoutElevation) return false;
  // Installing for this user alone stays enabled: nothing is greyed then.
  return !(commands == AdminOnlyCommands::Install && facts.installsPerUser);
}

std::u16string ElevationNeededText(AdminOnlyCommands commands) {
  std::u16string_view what;
  switch (commands) {
    case AdminOnlyCommands::Install: what = u"インストール"; break;
    case AdminOnlyCommands::Uninstall: what = u"アンインストール"; break;
    case AdminOnlyCommands::RegistryRepair: what = u"自動修正・項目削除"; break;
  }
  return std::u16string(what) + u"には管理者としての起動が必要です";
}

ElevationFacts ElevationFactsOf(const TProcedureClass& engine) {
  return {engine.IsAdmin, engine.AdminWithoutElevation, engine.InstallsPerUser()};
}

bool AddRestartAsAdminAction(ui::ActionList& actions, int id, AdminOnlyCommands commands,
                             const TProcedureClass& engine, const std::function<void()>& restart) {
  if (!restart || !OffersElevatedRestart(commands, ElevationFactsOf(engine))) return false;
  actions.Add({.id = id,
               .caption = std::u16string(kRestartAsAdminCaption),
               .hint = ElevationNeededText(commands),
               .execute = restart});
  return true;
}

}  // namespace velura
