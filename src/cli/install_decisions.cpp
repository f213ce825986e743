#include "cli/install_decisions.h"

#include "platform/text.h"

namespace velura {

InstallScope DecideInstallScope(CliScope requested, bool isAdmin, bool installsPerUser, bool perUserAvailable) {
  const InstallScope needsAdmin{false, u"全ユーザーへのインストールには管理者権限が必要です。管理者として実行してください", true};
  switch (requested) {
    case CliScope::User:
      if (!perUserAvailable)
        return InstallScope{true, u"この Windows ではユーザーごとのフォントのインストールはできません", false};
      return InstallScope{true, {}, false};
    case CliScope::Machine: return isAdmin ? InstallScope{} : needsAdmin;
    case CliScope::Default:
    case CliScope::All: break;
  }
  if (installsPerUser) return InstallScope{true, {}, false};
  return isAdmin ? InstallScope{} : needsAdmin;
}

InstalledCopyChoice ChooseForInstalledCopy(bool installed, bool upgrade, bool sameScope, int installedVersusNew) {
  if (!installed) return InstalledCopyChoice::Install;
  if (!upgrade) return InstalledCopyChoice::Skip;
  if (!sameScope) return InstalledCopyChoice::SkipOtherScope;
  return installedVersusNew < 0 ? InstalledCopyChoice::Upgrade : InstalledCopyChoice::SkipUpToDate;
}

std::optional<std::u16string> FreeFileName(const std::u16string& name,
                                           const std::function<bool(const std::u16string&)>& taken) {
  if (!taken(name)) return name;
  const std::size_t dot = name.rfind(u'.');
  const std::u16string stem = dot == std::u16string::npos ? name : name.substr(0, dot);
  const std::u16string extension = dot == std::u16string::npos ? u"" : name.substr(dot);
  for (int n = 2; n < 1000; ++n) {
    std::u16string candidate = stem + u"-" + DecimalU16(n) + extension;
    if (!taken(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace velura
