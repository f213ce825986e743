// The launcher's decisions that need no window: the administrator-mode note, start-up retries and where
// the launcher places the windows it opens (the hints come with the tool window table).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/windows_version.h"

namespace velura {

// The note of the "管理者モード" command; none before 5.x. From Windows 8 on, the Vista/7 note names the
// running version and says whether this process runs elevated.
std::optional<std::u16string> AdminModeNote(const WindowsVersion& version, bool elevated = false);

// The start-up message when the installed fonts could not be read twice in a row.
inline constexpr const char16_t* kStartupFailed =
    u"起動処理に失敗しました\r\n終了します\r\n\r\n（再度起動してみると成功するかもしれません）";

// A tool window whose designed top lies above the launcher's bottom moves below it.
inline int ToolWindowTop(int designedTop, int launcherHeight) {
  return designedTop < launcherHeight ? launcherHeight + 3 : designedTop;
}

}  // namespace velura
