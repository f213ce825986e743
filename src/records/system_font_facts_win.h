// The fonts Windows itself needs, read from the running system: the font substitutes and SystemLink lists
// of the registry, the non-client metrics and Windows Resource Protection.
#pragma once
#include "records/system_needed_fonts.h"

namespace velura {

class WindowsSystemFontFacts final : public SystemFontFacts {
 public:
  SystemUiFontSources UiFontSources() override;
  bool IsWindowsProtectedFile(const std::u16string& path) override;
};

}  // namespace velura
