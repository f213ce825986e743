// When a window offers "管理者として再起動": an administrator whose token is not elevated finds the
// commands that need administrator rights greyed; the status bar says why and the command restarts the
// program elevated. Each window names the commands it greys that way.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "records/procedure_class.h"
#include "ui/framework/action_list.h"

namespace velura {

// The commands a window greys without administrator rights.
enum class AdminOnlyCommands {
  Install,         // the not-installed browser's install
  Uninstall,       // the installed browser's uninstall
  RegistryRepair,  // the registry viewer's "自動修正" and "項目削除"
};

inline constexpr std::u16string_view kRestartAsAdminCaption = u"管理者として再起動";

struct ElevationFacts {
  bool isAdmin = false;
  bool adminWithoutElevation = false;  // an elevated start would make isAdmin true
  bool installsPerUser = false;        // installing needs no rights: fonts go to this user alone
};

// True when the window's commands are greyed only for want of an elevated start.
bool OffersElevatedRestart(AdminOnlyCommands commands, const ElevationFacts& facts);

// The status bar text that says so.
std::u16string ElevationNeededText(AdminOnlyCommands commands);

ElevationFacts ElevationFactsOf(const TProcedureClass& engine);

// Adds the restart action (its hint the text above) with the given id when restart is set and the window
// offers it; true when added.
bool AddRestartAsAdminAction(ui::ActionList& actions, int id, AdminOnlyCommands commands,
                             const TProcedureClass& engine, const std::function<void()>& restart);

}  // namespace velura
