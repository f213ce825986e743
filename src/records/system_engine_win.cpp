#include "records/system_engine_win.h"

#include "platform/executable_folder_win.h"

namespace velura {

SystemEngine::SystemEngine(TIniKeeper& settings) {
  engine_ = std::make_unique<TProcedureClass>(EngineServices{reader_, fonts_, files_, registry_, folding_, settings,
                                                             SystemFontsFolder(), ExecutableFolderFile(u""),
                                                             UserIsAdmin()});
}

}  // namespace velura
