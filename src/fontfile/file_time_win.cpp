#include "fontfile/file_time_win.h"

#include <io.h>
#include <windows.h>

namespace velura {

// The C runtime's stat keeps whole seconds: a font rewritten within a second at the same size would look
// unchanged.
std::int64_t LastWriteTimeOf(int descriptor) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
  FILETIME written{};
  if (handle == INVALID_HANDLE_VALUE || !GetFileTime(handle, nullptr, nullptr, &written)) return 0;
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(written.dwHighDateTime) << 32 | written.dwLowDateTime);
}

}  // namespace velura
