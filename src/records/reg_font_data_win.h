// The registry font data of this system: the real registry and the system's ANSI code page.
#pragma once
#include <memory>
#include <string>

#include "records/reg_font_data.h"

namespace velura {

// Reads the registry at once; throws UserError as TRegFontData's construction does.
std::unique_ptr<TRegFontData> NewSystemRegFontData(std::u16string fontsFolder);

}  // namespace velura
