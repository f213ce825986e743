#include "dump_codec.h"

namespace velura {
const AnsiCodec& DumpAnsiCodec() {
  static const IdentityAnsiCodec codec;
  return codec;
}
}  // namespace velura
