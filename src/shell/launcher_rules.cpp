#include "shell/launcher_rules.h"

namespace velura {

namespace {

// The versions after 7; empty for one in between that has no name of its own.
std::u16string LaterWindowsName(const WindowsVersion& version) {
  if (version.Major == 6) return version.Minor == 2 ? u"Windows8" : version.Minor == 3 ? u"Windows8.1" : u"";
  if (version.Major == 10 && version.Minor == 0) return version.Build >= kWindows11Build ? u"Windows11" : u"Windows10";
  return u"";
}

std::u16string ElevationNote(const std::u16string& name) {
  return u"管理者モードについて\r\n\r\n" + name + u"においては\r\n" +
         u"フォントのインストール、アンインストール、レジストリ操作\r\n" +
         u"をするためには管理者モードで起動する必要があります\r\n" + u"詳しくはヘルプ（readme.txt）を参照してください";
}

}  // namespace

std::optional<std::u16string> AdminModeNote(const WindowsVersion& version, bool elevated) {
  if (version.Platform != 2 || version.Major < 5) return std::nullopt;
  if (version.Major == 5) {
    const std::u16string name = version.Minor == 0 ? u"Windows2000" : version.Minor == 1 ? u"WindowsXP" : u"";
    return name + u"においては常に管理者モードで動作します";
  }
  if (version.Major == 6 && version.Minor <= 1)
    return ElevationNote(version.Minor == 0 ? u"WindowsVista" : u"Windows7");
  // Windows 8 and later ask for elevation as Vista and 7 do; whether this run has it is the useful part.
  return ElevationNote(LaterWindowsName(version)) + u"\r\n\r\n" +
         (elevated ? u"現在、管理者モードで動作しています" : u"現在、管理者モードでは動作していません");
}

}  // namespace velura
