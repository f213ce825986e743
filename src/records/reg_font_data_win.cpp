#include "records/reg_font_data_win.h"

#include <utility>

#include "records/reg_font_registry_win.h"
#include "records/reg_text_folding_win.h"

namespace velura {

std::unique_ptr<TRegFontData> NewSystemRegFontData(std::u16string fontsFolder) {
  // Both are stateless, so one of each serves every instance for the whole run.
  static SystemFontRegistry registry;
  static const SystemTextFolding folding;
  return std::make_unique<TRegFontData>(registry, folding, std::move(fontsFolder));
}

}  // namespace velura
