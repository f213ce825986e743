// An operations engine over in-memory files, fonts, registry and settings.
#pragma once
#include <memory>

#include "../settings/memory_profile.h"
#include "fake_font_registry.h"
#include "fake_services.h"
#include "records/procedure_class.h"

namespace velura::testing {

class EngineWorld {
 public:
  TProcedureClass& Make() {
    files.MakeFolder(u"C:\\prog");
    settings = std::make_unique<TIniKeeper>(std::make_unique<MemoryProfile>(profile));
    engine = std::make_unique<TProcedureClass>(
        EngineServices{reader, fonts, files, registry, folding, *settings, u"C:\\Windows\\Fonts", u"C:\\prog\\", true, 17134,
                       u"C:\\Users\\u\\AppData\\Local\\Microsoft\\Windows\\Fonts"});
    return *engine;
  }

  // Makes the files, fonts and registry count their calls in the plan and fail the one it names.
  void AttachFaults(FaultPlan& plan) {
    files.faults = &plan;
    fonts.faults = &plan;
    registry.faults = &plan;
  }

  FakeFiles files;
  FakeFonts fonts;
  FakeFontRegistry registry;
  FakeFolding folding;
  IdentityAnsiCodec ansi;
  TFontDataTable reader{ansi};
  ProfileData profile;
  std::unique_ptr<TIniKeeper> settings;
  std::unique_ptr<TProcedureClass> engine;
};

}  // namespace velura::testing
