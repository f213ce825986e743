// The character map of the face a font selects, read from the face's own "cmap" table through GDI.
#pragma once
#include <windows.h>

#include "fontfile/char_map.h"

namespace velura {

// Found is false when GDI gives no "cmap" (a bitmap or vector font) or the table cannot be read.
TCharMap ReadFaceCharMap(HFONT font);

}  // namespace velura
