#include "shell/launcher_rules.h"

namespace velura {

std::optional<std::u16string> AdminModeNote(const WindowsVersion& version) {
  if (version.Platform != 2) return std::nullopt;
  if (version.Major == 5) {
    const std::u16string name = version.Minor == 0 ? u"Windows2000" : version.Minor == 1 ? u"WindowsXP" : u"";
    return name + u"においては常に管理者モードで動作します";
  }
  if (version.Major == 6) {
    const std::u16string name = version.Minor == 0 ? u"WindowsVista" : version.Minor == 1 ? u"Windows7" : u"";
    return u"管理者モードについて\r\n\r\n" + name + u"においては\r\n" +
           u"フォントのインストール、アンインストール、レジストリ操作\r\n" +
           u"をするためには管理者モードで起動する必要があります\r\n" + u"詳しくはヘルプ（readme.txt）を参照してください";
  }
  return std::nullopt;
}

}  // namespace velura
