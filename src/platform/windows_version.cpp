#include "platform/windows_version.h"

namespace velura {

int WindowsVersionClass(const WindowsVersion& version) {
  if (version.Platform != 2) return 0;
  if (version.Major == 5) return version.Minor == 0 ? 1 : version.Minor == 2 ? 3 : 2;
  if (version.Major == 6) return version.Minor == 1 ? 5 : 4;
  return 0;
}

}  // namespace velura
