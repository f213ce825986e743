// The version of the running Windows, as GetVersionEx reports it (the manifest declares every version
// up to Windows 10, so the numbers are the real ones).
#pragma once
#include <cstdint>

namespace velura {

struct WindowsVersion {
  std::uint32_t Platform = 2;  // dwPlatformId: 1 Windows 95 family, 2 NT family
  std::uint32_t Major = 6;
  std::uint32_t Minor = 1;
  std::uint32_t Build = 0;  // 0 where only the major and minor numbers matter
};

// Windows 11 kept the 10.0 version numbers; only its builds tell it apart.
inline constexpr std::uint32_t kWindows11Build = 22000;

// Windows 10 version 1809: from this build on a user installs fonts for themselves without administrator rights.
inline constexpr std::uint32_t kPerUserFontsBuild = 17763;

inline bool SupportsPerUserFonts(std::uint32_t build) { return build >= kPerUserFontsBuild; }

// 0 unless NT; 5.0 gives 1, 5.2 gives 3, other 5.x give 2; 6.1 gives 5, other 6.x give 4; other majors 0.
int WindowsVersionClass(const WindowsVersion& version);

}  // namespace velura
