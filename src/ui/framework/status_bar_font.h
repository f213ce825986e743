// The point size of every status bar's font, by the class of the running Windows (WindowsVersionClass).
#pragma once

namespace velura::ui {

// 9 for classes 1 to 3 (Windows 2000, XP, Server 2003), 8 for 4 and 5 (Vista, 7), else currentSize.
inline int StatusBarFontSize(int versionClass, int currentSize) {
  if (versionClass >= 1 && versionClass <= 3) return 9;
  if (versionClass == 4 || versionClass == 5) return 8;
  return currentSize;
}

}  // namespace velura::ui
