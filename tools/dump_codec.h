// The ANSI codec velura-dump reads Shift-JIS-encoded names with: the system's on Windows, identity elsewhere.
#pragma once
#include "platform/ansi_codec.h"

namespace velura {
const AnsiCodec& DumpAnsiCodec();
}
