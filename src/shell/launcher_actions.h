// The launcher's command ids: the seven tool buttons, then the maintenance menu.
#pragma once

namespace velura {

enum LauncherAction : int {
  Action_ShowOneTimeInstForm = 101,
  Action_ShowLocalForm,
  Action_ShowInstalledForm,
  Action_ShowRegForm,
  Action_ShowSymbolForm,
  Action_ShowUnicodeForm,
  Action_etcBtn,
  AllClose_Window = 201,
  ReadFontAllWin,
  FNTCACHE_delete,
  LOGFONT1,
  MenuItem_admin,
  N3,
  About1,
  readme1,
  MenuItem_restartAdmin,  // "管理者として再起動"
};

}  // namespace velura
