#include "ui/framework/status_bar_font_win.h"

#include "platform/windows_version.h"
#include "platform/windows_version_win.h"
#include "ui/framework/status_bar_font.h"

namespace velura::ui {

void SetStatusBarFont(Control& statusBar) {
  SetFont(statusBar, FontSpec{L"MS UI Gothic", 0, StatusBarFontSize(WindowsVersionClass(RunningWindowsVersion()), 9)});
}

}  // namespace velura::ui
