#include "dump_codec.h"
#include "platform/ansi_codec_win.h"

namespace velura {
const AnsiCodec& DumpAnsiCodec() {
  static const SystemAnsiCodec codec;
  return codec;
}
}  // namespace velura
