#include "records/system_engine_win.h"

#include <windows.h>

#include "platform/stored_files_folder_win.h"
#include "platform/token_elevation_win.h"
#include "platform/windows_version_win.h"
#include "records/user_fonts.h"

namespace velura {

SystemEngine::SystemEngine(TIniKeeper& settings) {
  engine_ = std::make_unique<TProcedureClass>(EngineServices{
      reader_, fonts_, files_, registry_, folding_, settings, SystemFontsFolder(), StoredFilesFolder(),
      UserIsAdmin(), RunningWindowsBuild(), UserFontsFolderIn(LocalAppDataFolder()), &facts_,
      AdminWithoutElevation(ProcessTokenFacts()), FaceCacheFolderIn(LocalAppDataFolder()),
      kFontReaderVersion << 16 ^ GetACP()});
  const auto keepResponsive = [&loop = engine_->Loop()] { loop.KeepResponsive(); };
  fonts_.SetWhileEnumerating(keepResponsive);
  registry_.SetWhileReading(keepResponsive);
}

}  // namespace velura
