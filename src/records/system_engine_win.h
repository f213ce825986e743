// The font machinery of the running program: the font file reader and the operations engine, on the
// real system's fonts, files, registry and settings.
#pragma once
#include <memory>

#include "fontfile/font_data_table.h"
#include "platform/ansi_codec_win.h"
#include "records/procedure_class.h"
#include "records/reg_font_registry_win.h"
#include "records/reg_text_folding_win.h"
#include "records/system_font_facts_win.h"
#include "records/system_services_win.h"

namespace velura {

class SystemEngine {
 public:
  // Reads the registry font tables at once; a registry failure throws UserError.
  explicit SystemEngine(TIniKeeper& settings);

  TFontDataTable& Reader() { return reader_; }
  TProcedureClass& Engine() { return *engine_; }

 private:
  SystemAnsiCodec ansi_;
  TFontDataTable reader_{ansi_};
  GdiFontServices fonts_;
  WindowsFileServices files_;
  SystemFontRegistry registry_;
  SystemTextFolding folding_;
  WindowsSystemFontFacts facts_;
  std::unique_ptr<TProcedureClass> engine_;
};

}  // namespace velura
